// Turning a black-and-white mask into rectangles and region data bytes.
#include "skin/gfx/MaskRegion.h"

#include <algorithm>
#include <cstring>

namespace ventro {
namespace {

inline bool IsBlack(const uint8_t* p) { return (p[0] | p[1] | p[2]) == 0; }

// The end of the black run starting at x: four pixels (12 bytes) at a time
// while they are all zero, then pixel by pixel.
inline int32_t BlackRunEnd(const uint8_t* row, int32_t x, int32_t w)
{
    while (x + 4 <= w) {
        uint64_t a;
        uint32_t b;
        std::memcpy(&a, row + int64_t(x) * 3, 8);
        std::memcpy(&b, row + int64_t(x) * 3 + 8, 4);
        if ((a | b) != 0)
            break;
        x += 4;
    }
    while (x < w && IsBlack(row + int64_t(x) * 3))
        ++x;
    return x;
}

void PutInt32(uint8_t* p, int32_t v) { std::memcpy(p, &v, 4); }

// Offsets come from skin geometry: coordinates are summed in 64 bits and
// saturated, so an offset near the 32-bit limit cannot wrap around.
int32_t Sat(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

} // namespace

std::vector<Rect> MaskToRects(PixelView mask, int32_t offsetX, int32_t offsetY, bool mergeRows)
{
    std::vector<Rect> rects;
    if (mask.IsEmpty())
        return rects;
    const int32_t w = mask.Width();
    size_t groupStart = 0; // the rectangles of the rows merged last
    std::vector<Rect> row;
    for (int32_t y = 0; y < mask.Height(); ++y) {
        const uint8_t* p = mask.RowUnchecked(y);
        row.clear();
        int32_t x = 0;
        while (x < w) {
            while (x < w && !IsBlack(p + int64_t(x) * 3))
                ++x;
            if (x >= w)
                break;
            int32_t start = x;
            x = BlackRunEnd(p, x, w);
            Rect run { Sat(int64_t(start) + offsetX), Sat(int64_t(y) + offsetY), Sat(int64_t(x) + offsetX),
                Sat(int64_t(y) + 1 + offsetY) };
            if (run.Left < run.Right && run.Top < run.Bottom)
                row.push_back(run);
        }
        size_t groupSize = rects.size() - groupStart;
        bool same = mergeRows && y > 0 && groupSize == row.size() && !row.empty();
        for (size_t i = 0; same && i < row.size(); ++i)
            same = rects[groupStart + i].Left == row[i].Left && rects[groupStart + i].Right == row[i].Right
                && rects[groupStart + i].Bottom == row[i].Top;
        if (same) {
            for (size_t i = 0; i < row.size(); ++i)
                rects[groupStart + i].Bottom = row[i].Bottom;
        } else {
            groupStart = rects.size();
            rects.insert(rects.end(), row.begin(), row.end());
        }
    }
    return rects;
}

std::vector<uint8_t> RegionDataFromRects(const std::vector<Rect>& rects, Rect bounds)
{
    std::vector<uint8_t> data(RegionDataHeaderSize + RegionDataRectSize * rects.size(), 0);
    uint8_t* p = data.data();
    PutInt32(p, int32_t(RegionDataHeaderSize));
    PutInt32(p + 4, 1);
    PutInt32(p + 8, int32_t(rects.size()));
    PutInt32(p + 12, 0);
    PutInt32(p + 16, bounds.Left);
    PutInt32(p + 20, bounds.Top);
    PutInt32(p + 24, bounds.Right);
    PutInt32(p + 28, bounds.Bottom);
    p += RegionDataHeaderSize;
    for (const Rect& r : rects) {
        PutInt32(p, r.Left);
        PutInt32(p + 4, r.Top);
        PutInt32(p + 8, r.Right);
        PutInt32(p + 12, r.Bottom);
        p += RegionDataRectSize;
    }
    return data;
}

std::vector<uint8_t> MaskToRegionData(PixelView mask, int32_t offsetX, int32_t offsetY, bool mergeRows)
{
    if (mask.IsEmpty())
        return {};
    Rect bounds { offsetX, offsetY, Sat(int64_t(offsetX) + mask.Width()), Sat(int64_t(offsetY) + mask.Height()) };
    return RegionDataFromRects(MaskToRects(mask, offsetX, offsetY, mergeRows), bounds);
}

} // namespace ventro

// Picture files built inline as paint programs write them: Windows bitmaps
// of every header kind and depth, and PNG images.
#pragma once
#include <cstdint>
#include <vector>

#include <zlib.h>

#include "skin/data/SkinStream.h"

namespace ventro::test {

inline void Put(std::vector<uint8_t>& b, uint32_t v, int n = 4)
{
    for (int i = 0; i < n; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}
inline void PutAt(std::vector<uint8_t>& b, size_t at, uint32_t v, int n = 4)
{
    for (int i = 0; i < n; ++i)
        b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A bitmap file as a paint program would write it. Table entries are
// 0x00RRGGBB; data is the pixel data exactly as stored.
struct BmpLayout {
    uint32_t HeaderSize = 40;
    int32_t Width = 0;
    int32_t Height = 0;  // negative for top-down rows
    uint16_t Bits = 24;
    uint32_t Compression = 0;
    std::vector<uint32_t> Table;
    std::vector<uint32_t> Masks;  // red, green, blue[, alpha]
    uint32_t ClrUsed = 0;
    std::vector<uint8_t> Data;
};

inline std::vector<uint8_t> MakeBmp(const BmpLayout& s)
{
    std::vector<uint8_t> b = { 'B', 'M' };
    Put(b, 0);  // file size, filled in below
    Put(b, 0);
    Put(b, 0);  // offset of the rows, filled in below
    Put(b, s.HeaderSize);
    if (s.HeaderSize == 12) {
        Put(b, uint32_t(s.Width), 2);
        Put(b, uint32_t(s.Height), 2);
        Put(b, 1, 2);
        Put(b, s.Bits, 2);
    } else {
        std::vector<uint8_t> info;
        Put(info, uint32_t(s.Width));
        Put(info, uint32_t(s.Height));
        Put(info, 1, 2);
        Put(info, s.Bits, 2);
        Put(info, s.Compression);
        Put(info, uint32_t(s.Data.size()));
        Put(info, 2835);
        Put(info, 2835);
        Put(info, s.ClrUsed);
        Put(info, 0);
        if (s.HeaderSize > 40)
            for (uint32_t m : s.Masks)
                Put(info, m);
        info.resize(s.HeaderSize - 4, 0);
        b.insert(b.end(), info.begin(), info.end());
        if (s.HeaderSize == 40)
            for (uint32_t m : s.Masks)
                Put(b, m);
    }
    for (uint32_t c : s.Table)
        Put(b, c, s.HeaderSize == 12 ? 3 : 4);
    PutAt(b, 10, uint32_t(b.size()));
    b.insert(b.end(), s.Data.begin(), s.Data.end());
    PutAt(b, 2, uint32_t(b.size()));
    return b;
}

// Packs palette indices (rows top-down) into stored rows of the given depth.
inline std::vector<uint8_t> PackRows(const std::vector<std::vector<uint8_t>>& rows, int bits, bool bottomUp)
{
    size_t stride = ((rows[0].size() * size_t(bits) + 31) / 32) * 4;
    std::vector<uint8_t> out(stride * rows.size(), 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        size_t fileRow = bottomUp ? rows.size() - 1 - r : r;
        for (size_t x = 0; x < rows[r].size(); ++x) {
            size_t bit = x * size_t(bits);
            out[fileRow * stride + bit / 8] |= uint8_t(rows[r][x] << (8 - bits - bit % 8));
        }
    }
    return out;
}

// PNG files built inline: chunks with their CRCs, rows unfiltered.
inline void Chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data)
{
    auto be = [&](uint32_t v) {
        for (int i = 3; i >= 0; --i)
            png.push_back(uint8_t(v >> (8 * i)));
    };
    be(uint32_t(data.size()));
    size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    be(uint32_t(crc32(0, png.data() + start, uInt(png.size() - start))));
}

inline std::vector<uint8_t> MakePng(uint32_t w, uint32_t h, uint8_t depth, uint8_t colourType, const std::vector<std::vector<uint8_t>>& rows,
    const std::vector<uint8_t>& palette = {})
{
    std::vector<uint8_t> png = { 137, 'P', 'N', 'G', '\r', '\n', 26, '\n' };
    std::vector<uint8_t> ihdr = { uint8_t(w >> 24), uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w), uint8_t(h >> 24), uint8_t(h >> 16),
        uint8_t(h >> 8), uint8_t(h), depth, colourType, 0, 0, 0 };
    Chunk(png, "IHDR", ihdr);
    if (!palette.empty())
        Chunk(png, "PLTE", palette);
    std::vector<uint8_t> raw;
    for (const auto& row : rows) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), row.begin(), row.end());
    }
    Chunk(png, "IDAT", CompressBytes(raw));
    Chunk(png, "IEND", {});
    return png;
}

// RLE8 data for palette indices (rows top-down): runs of equal indices,
// a line end after each row, the end mark after the last.
inline std::vector<uint8_t> EncodeRle8(const std::vector<uint8_t>& indices, int32_t width, int32_t height)
{
    std::vector<uint8_t> out;
    for (int32_t y = height - 1; y >= 0; --y) {
        const uint8_t* row = indices.data() + size_t(y) * size_t(width);
        for (int32_t x = 0; x < width;) {
            int32_t run = 1;
            while (x + run < width && run < 255 && row[x + run] == row[x])
                ++run;
            out.push_back(uint8_t(run));
            out.push_back(row[x]);
            x += run;
        }
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}

} // namespace ventro::test

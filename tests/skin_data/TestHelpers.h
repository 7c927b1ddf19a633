// Small builders shared by the skin data tests: bitmaps, skin streams and
// definition texts made inline.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/BmpFile.h"
#include "skin/data/SkinStream.h"

namespace ventro::test {

inline Bitmap SolidBitmap(int32_t w, int32_t h, Color c)
{
    PixelBuffer p(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            p.SetPixel(x, y, Rgb(RedOf(c), GreenOf(c), uint8_t(BlueOf(c) + x + y)));
    return BitmapFromPixels(std::move(p));
}

inline Bitmap IndexedBitmap(int32_t w, int32_t h, uint16_t bits, std::vector<uint32_t> table)
{
    Bitmap b;
    b.BitsPerPixel = bits;
    b.ColorTable = std::move(table);
    b.Pixels.Resize(w, h);
    b.Indices.resize(size_t(w * h));
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t i = uint8_t((x + 2 * y) % b.ColorTable.size());
            b.Indices[size_t(y * w + x)] = i;
            uint32_t q = b.ColorTable[i];
            b.Pixels.SetPixel(x, y, Rgb(uint8_t(q >> 16), uint8_t(q >> 8), uint8_t(q)));
        }
    return b;
}

inline void PutI32(std::vector<uint8_t>& out, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

inline void PutBytes(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

inline void PutText(std::vector<uint8_t>& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

// A minimal definition with the five required sections; the keys of extra
// come first, so they win over the minimal ones.
inline std::string MinimalDefinition(const std::string& extra = "")
{
    return extra + "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";
}

} // namespace ventro::test

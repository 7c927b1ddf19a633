// The decoders behind ImportPicture: each turns one file format into pixels
// that are either palette indices with their colours or 24-bit colour.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/PixelBuffer.h"
#include "tools/skintool/BitmapImport.h"

namespace ventro::import {

struct DecodedPicture {
    bool Indexed = false;
    std::vector<uint32_t> Table;    // indexed: 0x00RRGGBB, at most 256 entries
    std::vector<uint8_t> Indices;   // indexed: one per pixel, rows top-down
    PixelBuffer Pixels;             // not indexed: the colours
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t XPelsPerMeter = 0;
    int32_t YPelsPerMeter = 0;
    std::string Description;
};

// Any Windows or OS/2 bitmap file ("BM").
DecodedPicture DecodeWindowsBitmap(std::span<const uint8_t> bytes, const ImportLimits& limits);
// A PNG file (starts with the PNG signature).
bool IsPng(std::span<const uint8_t> bytes);
DecodedPicture DecodePng(std::span<const uint8_t> bytes, const ImportLimits& limits);

// Decodes 8-bit-per-channel pixels through stb_image into 24-bit colour
// (blue, green, red). The source is a header of our making followed by the
// rows of the file, read through callbacks so that the rows are not copied.
// Throws EInvalidGraphic with stb_image's reason when it refuses.
PixelBuffer StbDecode(std::span<const uint8_t> header, std::span<const uint8_t> body, int32_t width, int32_t height);

} // namespace ventro::import

// Windows bitmap files (1, 8 and 24 bits per pixel, uncompressed): reading
// into a 24-bit pixel buffer that keeps the stored depth and colour table, and
// writing back the same bytes.
#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "base/PixelBuffer.h"
#include "skin/data/ByteSource.h"
#include "skin/data/SkinLimits.h"

namespace ventro {

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bitmap as loaded: the pixels as 24-bit, plus what is needed to write the
// file back byte for byte (stored depth, colour table, palette indices of a
// 1- or 8-bit file, header fields that do not affect the pixels).
struct Bitmap {
    PixelBuffer Pixels;
    uint16_t BitsPerPixel = 24;
    std::vector<uint32_t> ColorTable;  // RGBQUAD values as stored, 0x00RRGGBB
    std::vector<uint8_t> Indices;      // depth below 24: one index per pixel, rows top-down
    bool BottomUp = true;
    int32_t XPelsPerMeter = 0;
    int32_t YPelsPerMeter = 0;
    uint32_t ColorsUsed = 0;
    uint32_t ColorsImportant = 0;
    uint32_t SizeImage = 0;
    uint32_t Reserved = 0;
    std::vector<uint8_t> Gap;   // bytes between the colour table and the pixel rows
    std::vector<uint8_t> Tail;  // bytes after the pixel rows within the file size

    bool IsEmpty() const { return Pixels.IsEmpty(); }
    int32_t Width() const { return Pixels.Width(); }
    int32_t Height() const { return Pixels.Height(); }
};

struct BmpHeaderInfo {
    size_t FileLength = 0;  // the file-size field: the BMP's length in bytes
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t BitsPerPixel = 0;
};
// Checks the headers of the BMP file at the start of bytes (sizes, depth,
// colour table and rows inside the file, the file inside bytes) without
// decoding anything; throws EInvalidGraphic.
BmpHeaderInfo PeekBmp(std::span<const uint8_t> bytes);
// Decodes one complete BMP file; throws EInvalidGraphic for anything malformed.
Bitmap ReadBmp(std::span<const uint8_t> bytes);
// Decodes the BMP file the source gives next, reading exactly its bytes,
// the pixel rows straight into the bitmap. With pixelBudget, its pixels are
// charged to it before anything is allocated, and a budget that goes below
// zero throws EInvalidGraphic.
Bitmap ReadBmp(ByteSource& source, int64_t* pixelBudget = nullptr);
// Encodes a bitmap; an empty bitmap has no file form and throws EInvalidGraphic.
std::vector<uint8_t> WriteBmp(const Bitmap& bitmap);
// A 24-bit bitmap of the given pixels with default header fields.
Bitmap BitmapFromPixels(PixelBuffer pixels);

} // namespace ventro

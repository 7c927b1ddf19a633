// Brings the picture files paint programs write (every Windows bitmap variant,
// and PNG) into the bitmap layout a skin stream stores: a 40-byte info header
// and 1, 8 or 24 bits per pixel, uncompressed.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "skin/data/BmpFile.h"

namespace ventro {

struct ImportLimits {
    // Checked before any pixel memory is allocated.
    int64_t MaxPixels = MaxBitmapPixels;
};

struct ImportedPicture {
    Bitmap Picture;
    // What the file held ("4-bit RLE4 bitmap, OS/2 2.x header", "PNG, 8-bit
    // RGBA"); empty when the file already had the stored layout and goes in
    // byte for byte.
    std::string ConvertedFrom;
    bool Converted() const { return !ConvertedFrom.empty(); }
};

// Reads a Windows bitmap or a PNG image, recognised by its content. Pictures
// with a colour table of up to 256 entries become 8-bit (1-bit for two
// colours) with that table; all others become 24-bit, alpha dropped. No
// visible pixel changes. Throws EInvalidGraphic for anything malformed.
ImportedPicture ImportPicture(std::span<const uint8_t> bytes, const ImportLimits& limits = {});

} // namespace ventro

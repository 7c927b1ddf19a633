// Picks the decoder by the file's content and builds the stored bitmap layout
// from what it decoded.
#include "tools/skintool/BitmapImport.h"

#include <algorithm>

#include "tools/skintool/ImportDecoders.h"

namespace ventro {

namespace {

using import::DecodedPicture;

uint32_t U32At(std::span<const uint8_t> bytes, size_t at)
{
    return uint32_t(bytes[at]) | (uint32_t(bytes[at + 1]) << 8) | (uint32_t(bytes[at + 2]) << 16) | (uint32_t(bytes[at + 3]) << 24);
}

// The layout the skin stream keeps as it is: a 40-byte header, uncompressed,
// 1, 8 or 24 bits.
bool HasStoredLayout(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || U32At(bytes, 14) != 40)
        return false;
    uint32_t bits = uint32_t(bytes[28]) | (uint32_t(bytes[29]) << 8);
    return (bits == 1 || bits == 8 || bits == 24) && U32At(bytes, 30) == 0;
}

Bitmap ToStoredLayout(DecodedPicture&& decoded)
{
    Bitmap bmp;
    if (decoded.Indexed) {
        // Indices past the end of a short table show black; the table grows
        // to cover them, so every stored index is in it.
        uint8_t highest = decoded.Indices.empty() ? 0 : *std::max_element(decoded.Indices.begin(), decoded.Indices.end());
        if (size_t(highest) >= decoded.Table.size())
            decoded.Table.resize(size_t(highest) + 1, 0);
        bmp.BitsPerPixel = decoded.Table.size() <= 2 ? 1 : 8;
        bmp.Pixels.Resize(decoded.Width, decoded.Height);
        for (int32_t y = 0; y < decoded.Height; ++y) {
            const uint8_t* idx = decoded.Indices.data() + size_t(y) * size_t(decoded.Width);
            uint8_t* dst = bmp.Pixels.Row(y);
            for (int32_t x = 0; x < decoded.Width; ++x) {
                uint32_t c = decoded.Table[idx[x]];
                dst[x * 3] = uint8_t(c);
                dst[x * 3 + 1] = uint8_t(c >> 8);
                dst[x * 3 + 2] = uint8_t(c >> 16);
            }
        }
        bmp.ColorTable = std::move(decoded.Table);
        bmp.Indices = std::move(decoded.Indices);
        int64_t stride = ((int64_t(decoded.Width) * bmp.BitsPerPixel + 31) / 32) * 4;
        bmp.SizeImage = uint32_t(stride * decoded.Height);
    } else {
        bmp = BitmapFromPixels(std::move(decoded.Pixels));
    }
    bmp.XPelsPerMeter = decoded.XPelsPerMeter;
    bmp.YPelsPerMeter = decoded.YPelsPerMeter;
    return bmp;
}

} // namespace

ImportedPicture ImportPicture(std::span<const uint8_t> bytes, const ImportLimits& limits)
{
    if (HasStoredLayout(bytes)) {
        // The reader checks the file-size field as the skin stream needs it;
        // a file whose only fault is that field is converted instead.
        try {
            return { ReadBmp(bytes), {} };
        } catch (const EInvalidGraphic&) {
        }
    }
    DecodedPicture decoded;
    if (import::IsPng(bytes))
        decoded = import::DecodePng(bytes, limits);
    else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        decoded = import::DecodeWindowsBitmap(bytes, limits);
    else
        throw EInvalidGraphic("Not a Windows bitmap or PNG image");
    std::string from = std::move(decoded.Description);
    return { ToStoredLayout(std::move(decoded)), std::move(from) };
}

} // namespace ventro

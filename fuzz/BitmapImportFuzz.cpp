// Fuzz target: the picture import of skintool compile (every Windows bitmap
// variant and PNG into the stored bitmap layout).
#include <cstdlib>

#include "tools/skintool/BitmapImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ventro;
    // Far below the tool's limit, so that small inputs claiming big pictures
    // (RLE, PNG) are cut short quickly; the refusal itself is exercised often.
    ImportLimits limits { int64_t(1) << 16 };
    ImportedPicture imported;
    try {
        imported = ImportPicture({ data, size }, limits);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    const Bitmap& bmp = imported.Picture;
    if (bmp.IsEmpty() || (bmp.BitsPerPixel != 1 && bmp.BitsPerPixel != 8 && bmp.BitsPerPixel != 24))
        std::abort();
    // Indexed results show the colours of their table.
    if (bmp.BitsPerPixel < 24) {
        if (bmp.ColorTable.empty() || bmp.ColorTable.size() > (size_t(1) << bmp.BitsPerPixel))
            std::abort();
        for (int32_t y = 0; y < bmp.Height(); ++y)
            for (int32_t x = 0; x < bmp.Width(); ++x) {
                uint8_t index = bmp.Indices[size_t(y) * size_t(bmp.Width()) + size_t(x)];
                if (index >= bmp.ColorTable.size() && imported.Converted())
                    std::abort();
                uint32_t q = index < bmp.ColorTable.size() ? bmp.ColorTable[index] : 0;
                if (bmp.Pixels.PixelAt(x, y) != Rgb(uint8_t(q >> 16), uint8_t(q >> 8), uint8_t(q)))
                    std::abort();
            }
    }
    // What the skin stream stores must read back to the same pixels, and a
    // file taken as it was must be what the BMP reader makes of it.
    auto bytes = WriteBmp(bmp);
    Bitmap again = ReadBmp(bytes);
    if (!(again.Pixels == bmp.Pixels) || again.Indices != bmp.Indices)
        std::abort();
    if (!imported.Converted() && WriteBmp(ReadBmp({ data, size })) != bytes)
        std::abort();
    return 0;
}

// Fuzz target: the BMP reader, and the writer on whatever the reader accepts.
#include <cstdlib>
#include <exception>

#include "skin/data/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ventro::Bitmap bmp;
    try {
        bmp = ventro::ReadBmp({ data, size });
    } catch (const std::exception&) {
        return 0;
    }
    // An accepted bitmap must write and read back to the same pixels.
    auto bytes = ventro::WriteBmp(bmp);
    ventro::Bitmap again = ventro::ReadBmp(bytes);
    if (!(again.Pixels == bmp.Pixels) || again.Indices != bmp.Indices)
        std::abort();
    return 0;
}

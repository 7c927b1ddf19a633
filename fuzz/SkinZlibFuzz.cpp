// Fuzz target: a stored skin's compressed data (one bare zlib stream).
#include "fuzz/SkinFuzzCommon.h"

#include "skin/data/ZlibStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        ventro::FuzzLoadSkinStream(ventro::InflateBytes({ data, size }));
    } catch (const std::exception&) {
    }
    // The stream wrapper's seeks on the same bytes: forward skip and rewind.
    try {
        ventro::TMemoryStream source(std::span<const uint8_t>(data, size));
        ventro::TDecompressionStream z(source);
        z.Seek(100, ventro::SeekOrigin::Current);
        z.Seek(0, ventro::SeekOrigin::Beginning);
        uint8_t buffer[512];
        (void)z.Read(buffer, sizeof buffer);
    } catch (const std::exception&) {
    }
    return 0;
}

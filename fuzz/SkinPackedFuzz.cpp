// Fuzz target: a compressed skin file (packed skin: version, size, zlib data).
#include "fuzz/SkinFuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        auto compressed = ventro::ReadPackedSkin({ data, size });
        if (!compressed.empty())
            ventro::FuzzLoadSkinStream(ventro::InflateBytes(compressed));
    } catch (const std::exception&) {
    }
    return 0;
}

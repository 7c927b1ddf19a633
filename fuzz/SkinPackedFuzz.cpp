// Fuzz target: a compressed skin file (packed skin: version, size, zlib data).
#include "fuzz/SkinFuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        auto compressed = ventro::ReadPackedSkin({ data, size });
        if (compressed.empty())
            return 0;
        if (auto inflated = ventro::FuzzInflate(compressed))
            ventro::FuzzLoadSkinStream(*inflated);
    } catch (const std::exception&) {
    }
    return 0;
}

// Fuzz target: an inflated skin stream (slots, pictures, definition text).
#include "fuzz/SkinFuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        ventro::FuzzLoadSkinStream({ data, size });
    } catch (const std::exception&) {
    }
    return 0;
}

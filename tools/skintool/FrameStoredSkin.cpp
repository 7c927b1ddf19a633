// Our stored skin for "-": a resource of skintool.exe, or the file the native
// build compiled (the native tool makes that file itself, so it cannot carry it).
#include "tools/skintool/FrameCommands.h"

#include <stdexcept>

#include "skin/data/SkinLimits.h"
#include "skin/data/Stream.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ventro::skintool {

std::vector<uint8_t> StoredSkinBytes()
{
#if defined(_WIN32) && !defined(VENTRO_STORED_SKIN_RESOURCE)
    throw std::runtime_error("this skintool was built without the stored skin");
#elif defined(_WIN32)
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(VENTRO_STORED_SKIN_RESOURCE), MAKEINTRESOURCEW(10));
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    const uint8_t* bytes = data ? static_cast<const uint8_t*>(LockResource(data)) : nullptr;
    if (!bytes)
        throw std::runtime_error("this skintool carries no stored skin");
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, info));
#else
    return ReadWholeFile(VENTRO_STORED_SKIN_PATH, MaxSkinFileBytes);
#endif
}

} // namespace ventro::skintool

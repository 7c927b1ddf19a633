// Our stored skin, as the build compiled it, in skin data of the test's own
// for the controller's tests under Wine.
#pragma once
#include <memory>
#include <string>

#include "skin/data/SkinComponents.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"

namespace ventro::test {

inline std::unique_ptr<TlxSkinData> LoadStoredSkin(TComponent* owner)
{
    auto skin = std::make_unique<TlxSkinData>(owner);
    std::vector<uint8_t> packed = ReadWholeFile(std::string("Z:") + VENTRO_SKIN_FILE);
    skin->LoadSkinStreamContent(ReadSkinStream(InflateBytes(ReadPackedSkin(packed))));
    skin->Empty = false;
    return skin;
}

} // namespace ventro::test

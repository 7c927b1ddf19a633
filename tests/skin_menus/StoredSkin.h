// Our stored skin, as the build compiles it, loaded once into skin data.
#pragma once
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include "skin/data/SkinComponents.h"

namespace ventro::testing {

// A fresh copy, for a test that changes it.
inline std::unique_ptr<TlxSkinData> LoadStoredSkin()
{
    std::ifstream in(VENTRO_STORED_SKIN_FILE, std::ios::binary);
    if (!in)
        throw std::runtime_error("the stored skin was not built");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TlxCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(std::move(bytes));
    auto skin = std::make_unique<TlxSkinData>(nullptr);
    skin->ApplyStoredSkin(stored);
    return skin;
}

inline TlxSkinData& StoredSkin()
{
    static std::unique_ptr<TlxSkinData> data = LoadStoredSkin();
    return *data;
}

inline const TlxDataSkinMenuItem& StoredMenuItem()
{
    const TlxSkinData& skin = StoredSkin();
    return dynamic_cast<const TlxDataSkinMenuItem&>(*skin.ObjectList.at(size_t(skin.FindObjectIndex("menuitem"))));
}

} // namespace ventro::testing

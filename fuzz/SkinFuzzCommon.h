// Shared body of the skin fuzz targets: decode a skin stream and read its
// definition into skin content, the way skin data applies a stored skin.
#pragma once
#include <cstdint>
#include <exception>
#include <span>

#include "skin/data/SkinContent.h"

namespace ventro {

inline void FuzzLoadSkinStream(std::span<const uint8_t> stream)
{
    SkinStreamContent content = ReadSkinStream(stream);
    if (content.Version > SkinStreamVersion)
        return;
    TlxSkinContent skin;
    skin.LoadSkinStreamContent(std::move(content));
    // Lookups and a write-back of every record must work on whatever was read.
    TMemIniFile out;
    for (const auto& record : skin.ObjectList)
        record->SaveToIni(out);
    for (const auto& record : skin.ControlList)
        record->SaveToIni(out);
    (void)skin.FindObjectIndex("caption");
    (void)skin.FindControlIndex("mainmenubar");
}

} // namespace ventro

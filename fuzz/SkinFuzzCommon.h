// Shared body of the skin fuzz targets: decode a skin stream and read its
// definition into skin content, the way skin data applies a stored skin.
#pragma once
#include <cstdint>
#include <exception>
#include <optional>
#include <span>
#include <vector>

#include "skin/data/SkinContent.h"
#include "skin/data/ZlibStream.h"

namespace ventro {

// Far below the product's cap: inputs that inflate hugely are cut short
// quickly (fresh megabytes cost page faults under the sanitizer), and the
// cap's refusal is itself exercised often. Our small seed skin fits.
constexpr int64_t FuzzInflateCap = int64_t(64) << 10;

// Inflates with a small first size, so that the growth of the result is
// exercised; nothing for a refused stream.
inline std::optional<std::vector<uint8_t>> FuzzInflate(std::span<const uint8_t> compressed)
{
    try {
        return DecompressBuffer(compressed, 256, FuzzInflateCap);
    } catch (const EDecompressionError&) {
        return std::nullopt;
    }
}

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

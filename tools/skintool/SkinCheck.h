// The checks of `skintool check` and `skinview --watch`: what in a skin
// definition lies outside its pictures, is out of order or out of range, or
// is silently replaced by a fixed value when the engine reads it, each found
// on the line it stands on.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/BmpFile.h"
#include "skin/data/IniFile.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinStream.h"

namespace ventro {

enum class FindingLevel : uint8_t { Warning, Error };

struct CheckFinding {
    uint32_t Line = 0;  // from 1; 0 for the definition as a whole
    FindingLevel Level = FindingLevel::Error;
    std::string Section;  // as written in the definition; empty for the whole
    std::string Key;      // empty for a whole section
    std::string Message;
    friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

// The pictures a definition names, by the place the engine gives them.
enum class PictureSlot : uint8_t { Frame, Inactive, Mask, Active };

// What became of a named picture: its size, or why it cannot be used.
struct PictureLookup {
    int32_t Width = 0;
    int32_t Height = 0;
    std::string Failure;  // not empty: the picture is missing or unreadable
};
// index counts the active pictures from 0 and is 0 for the other slots.
using PictureSource = std::function<PictureLookup(PictureSlot slot, int32_t index, const std::string& name)>;
using FontInstalledTest = std::function<bool(const std::string& face)>;

// Values beyond this far exceed every picture and window (at most 16384
// pixels a side); sums and differences of a few of them with window
// coordinates stay well inside 32 bits.
constexpr int64_t MaxSkinValue = int64_t(MaxBitmapDimension) * 64;

// Checks a definition as the engine reads it; fontInstalled, when given,
// tells whether a font face exists. Findings come sorted by line.
std::vector<CheckFinding> CheckSkinDefinition(const TMemIniFile& ini, const PictureSource& pictures,
    const FontInstalledTest& fontInstalled = {});

bool HasErrors(const std::vector<CheckFinding>& findings);
// The keys the check knows for a record of a list's type word (objects of
// "SKINOBJECTS", else controls of "SKINCONTROLS"), in reading order; empty
// for a word that is not in the list's table.
std::vector<std::string> KnownRecordKeys(bool objects, std::string_view typeWord);
// "FILE:LINE: error: MESSAGE", as compilers write it; "FILE: error: ..."
// without a line.
std::string FormatFinding(std::string_view file, const CheckFinding& finding);

// The pictures of a definition folder, each file read once however often it
// is asked for: the check looks at them, and the compile then takes the same
// bitmaps. read turns a path into a bitmap and throws with the reason.
class DefinitionPictureFiles {
public:
    using Reader = std::function<Bitmap(const std::string& path)>;
    DefinitionPictureFiles(std::string folder, Reader read);

    PictureLookup Lookup(PictureSlot slot, int32_t index, const std::string& name);
    PictureSource Source();
    // For CompileSkinLines: the bitmap of a path, read now if not yet; a
    // picture that failed throws again.
    Bitmap Load(const std::string& path);

private:
    struct Loaded {
        Bitmap Picture;
        std::string Failure;
    };
    const Loaded& Get(const std::string& path);

    std::string m_folder;
    Reader m_read;
    std::map<std::string, Loaded> m_files;
};

// The pictures a compiled skin carries, by slot; a named picture whose slot
// is empty is missing.
PictureSource StreamPictures(const SkinStreamContent& content);

} // namespace ventro

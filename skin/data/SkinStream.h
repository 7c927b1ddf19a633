// The three layers of a stored skin: the packed skin (version, size, zlib
// data), the zlib data itself, and the inflated skin stream (pictures in
// slots, active pictures, definition text).
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/BmpFile.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/ZlibStream.h"

namespace ventro {

constexpr int32_t SkinStreamVersion = 3;

struct SkinStreamContent {
    int32_t Version = SkinStreamVersion;
    Bitmap Picture;           // an empty bitmap is written as an empty slot
    Bitmap InActivePicture;
    Bitmap MaskPicture;
    std::vector<Bitmap> ActivePictures;
    std::string DefinitionText;  // ANSI text, lines ended by CR LF
};

// Reads a skin stream. A version above 3 is not readable: the result then has
// only its Version set. Damaged content throws (FormatError, EInvalidGraphic).
SkinStreamContent ReadSkinStream(std::span<const uint8_t> bytes);
SkinStreamContent ReadSkinStream(ByteSource& source);
// Reads the skin stream inside zlib data as it inflates: the pictures' rows
// and the definition text go from inflate straight into the result. Throws
// what InflateBytes and ReadSkinStream would; where the data has faults of
// both kinds, the one met first.
SkinStreamContent InflateSkinStream(std::span<const uint8_t> compressed, int64_t maxOutput = MaxInflatedSize);
std::vector<uint8_t> WriteSkinStream(const SkinStreamContent& content);

// The zlib data of a packed skin; empty for a version above 3 or a size that
// is negative or larger than the bytes really there.
std::vector<uint8_t> ReadPackedSkin(std::span<const uint8_t> bytes);
std::vector<uint8_t> WritePackedSkin(std::span<const uint8_t> compressed);

// zlib helpers over byte vectors (maximum level; inflate capped at 64 MiB).
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> bytes);
std::vector<uint8_t> InflateBytes(std::span<const uint8_t> compressed);
// The buffer size worth reserving before inflating compressedSize bytes.
size_t InflatedSizeHint(size_t compressedSize);

// Tells whether a byte of an ANSI path starts a double-byte character.
using LeadBytePredicate = bool (*)(unsigned char);

// A path split into its folder (up to and including the last '\\' or '/')
// and the name behind it. With isLeadByte, a lead byte takes the byte after it
// along, so the second byte of a double-byte character (0x5C in many of them)
// is never taken for a backslash. Without it, no byte is a lead byte, which
// is right for UTF-8, whose multibyte sequences hold no ASCII bytes.
struct PathParts {
    std::string Folder;
    std::string Name;
};
PathParts SplitPath(std::string_view path, LeadBytePredicate isLeadByte = nullptr);

// Builds the zlib data of a stored skin from a definition file and the
// bitmaps beside it. Returns false (and leaves out untouched) when the file
// lacks one of the sections "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
// "SKINCONTROLS"; a bitmap that cannot be loaded throws. isLeadByte describes
// the path's code page (see SplitPath); loadPicture, when given, turns a
// picture file's path into its bitmap instead of ReadBmp.
using PictureLoader = std::function<Bitmap(const std::string& path)>;
bool CompileSkinDefinition(const std::string& definitionPath, std::vector<uint8_t>& out,
    LeadBytePredicate isLeadByte = nullptr, const PictureLoader& loadPicture = {});
// The same for definition lines already read; folder (empty, or ending in a
// separator) is where the named bitmaps lie.
bool CompileSkinLines(const std::vector<std::string>& lines, const std::string& folder, std::vector<uint8_t>& out,
    const PictureLoader& loadPicture = {});

} // namespace ventro

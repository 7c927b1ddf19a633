// The layers of a stored skin.
#include "skin/data/SkinStream.h"

#include <algorithm>

#include "base/ByteReader.h"
#include "skin/data/IniFile.h"
#include "skin/data/SkinValues.h"
#include "skin/data/Stream.h"
#include "skin/data/ZlibStream.h"

namespace ventro {

namespace {

// A BMP is delimited only by its own file-size field. The pixel budget of
// the whole stream is charged before a bitmap is decoded.
Bitmap ReadBmpAt(std::span<const uint8_t> all, ByteReader& r, int64_t& budget)
{
    BmpHeaderInfo info = PeekBmp(all.subspan(r.Position()));
    budget -= int64_t(info.Width) * info.Height;
    if (budget < 0)
        throw EInvalidGraphic("Skin pictures are too large");
    return ReadBmp(r.Take(info.FileLength));
}

Bitmap ReadSlot(std::span<const uint8_t> all, ByteReader& r, int64_t& budget)
{
    if (r.U8() != 0)
        return Bitmap {};
    return ReadBmpAt(all, r, budget);
}

void PutI32(std::vector<uint8_t>& out, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(uint32_t(value) >> (8 * i)));
}

void PutBmp(std::vector<uint8_t>& out, const Bitmap& bmp)
{
    auto bytes = WriteBmp(bmp);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void PutSlot(std::vector<uint8_t>& out, const Bitmap& bmp)
{
    out.push_back(bmp.IsEmpty() ? 1 : 0);
    if (!bmp.IsEmpty())
        PutBmp(out, bmp);
}

} // namespace

SkinStreamContent ReadSkinStream(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes);
    int64_t budget = MaxSkinPixels;
    SkinStreamContent c;
    c.Version = r.I32();
    if (c.Version > SkinStreamVersion)
        return c;
    c.Picture = ReadSlot(bytes, r, budget);
    c.InActivePicture = ReadSlot(bytes, r, budget);
    c.MaskPicture = ReadSlot(bytes, r, budget);
    if (c.Version == 2) {
        ReadSlot(bytes, r, budget);
        ReadSlot(bytes, r, budget);
    }
    int32_t count = r.I32();
    // No reservation by the count: each picture must really be there.
    for (int32_t k = 0; k < count; ++k)
        c.ActivePictures.push_back(ReadBmpAt(bytes, r, budget));
    auto rest = r.Take(r.Remaining());
    c.DefinitionText.assign(rest.begin(), rest.end());
    return c;
}

std::vector<uint8_t> WriteSkinStream(const SkinStreamContent& c)
{
    std::vector<uint8_t> out;
    PutI32(out, c.Version);
    PutSlot(out, c.Picture);
    PutSlot(out, c.InActivePicture);
    PutSlot(out, c.MaskPicture);
    PutI32(out, int32_t(c.ActivePictures.size()));
    for (const Bitmap& bmp : c.ActivePictures)
        PutBmp(out, bmp);
    out.insert(out.end(), c.DefinitionText.begin(), c.DefinitionText.end());
    return out;
}

std::vector<uint8_t> ReadPackedSkin(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes);
    if (r.Remaining() < 4 || r.I32() > SkinStreamVersion || r.Remaining() < 4)
        return {};
    int32_t size = r.I32();
    if (size < 0 || size_t(size) > r.Remaining())
        return {};
    auto data = r.Take(size_t(size));
    return std::vector<uint8_t>(data.begin(), data.end());
}

std::vector<uint8_t> WritePackedSkin(std::span<const uint8_t> compressed)
{
    std::vector<uint8_t> out;
    PutI32(out, SkinStreamVersion);
    PutI32(out, int32_t(compressed.size()));
    out.insert(out.end(), compressed.begin(), compressed.end());
    return out;
}

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> bytes)
{
    TMemoryStream source(bytes);
    TMemoryStream destination;
    CompressStream(source, destination);
    return std::move(destination.Bytes());
}

size_t InflatedSizeHint(size_t compressedSize)
{
    // Skins compress about 50:1; reserving for that saves the repeated
    // growth of a megabyte buffer, and the cap bounds what a hostile input gets.
    return size_t(std::min<uint64_t>(uint64_t(compressedSize) * 64, uint64_t(MaxInflatedSize)));
}

std::vector<uint8_t> InflateBytes(std::span<const uint8_t> compressed)
{
    return DecompressBuffer(compressed, InflatedSizeHint(compressed.size()));
}

PathParts SplitPath(std::string_view path, LeadBytePredicate isLeadByte)
{
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (byte == '\\' || byte == '/')
            nameStart = i + 1;
        else if (isLeadByte && isLeadByte(byte) && i + 1 < path.size())
            ++i;
    }
    return PathParts { std::string(path.substr(0, nameStart)), std::string(path.substr(nameStart)) };
}

bool CompileSkinDefinition(const std::string& definitionPath, std::vector<uint8_t>& out, LeadBytePredicate isLeadByte,
    const PictureLoader& loadPicture)
{
    auto fileBytes = ReadWholeFile(definitionPath, MaxDefinitionFileBytes);
    std::vector<std::string> lines = SplitLines(std::string_view(reinterpret_cast<const char*>(fileBytes.data()), fileBytes.size()));
    TMemIniFile ini(lines);
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(section))
            return false;
    const std::string folder = SplitPath(definitionPath, isLeadByte).Folder;
    auto load = [&](const std::string& name) {
        return loadPicture ? loadPicture(folder + name) : ReadBmp(ReadWholeFile(folder + name, MaxSkinFileBytes));
    };

    SkinStreamContent c;
    std::string picture = ini.ReadString("PICTURES", "picture", "");
    std::string inactive = ini.ReadString("PICTURES", "inactivepicture", "");
    std::string mask = ini.ReadString("PICTURES", "mask", "");
    if (!picture.empty())
        c.Picture = load(picture);
    if (!inactive.empty())
        c.InActivePicture = load(inactive);
    if (!mask.empty())
        c.MaskPicture = load(mask);
    for (const std::string& name : ReadNumberedList(ini, "PICTURES", "activepictures"))
        c.ActivePictures.push_back(load(name));
    for (const std::string& line : lines)
        c.DefinitionText += line + "\r\n";
    out = CompressBytes(WriteSkinStream(c));
    return true;
}

} // namespace ventro

// The layers of a stored skin.
#include "skin/data/SkinStream.h"

#include <algorithm>

#include "base/ByteReader.h"
#include "skin/data/ByteSource.h"
#include "skin/data/IniFile.h"
#include "skin/data/SkinValues.h"
#include "skin/data/Stream.h"
#include "skin/data/ZlibStream.h"

namespace ventro {

namespace {

// The fixed fields of a skin stream, read from a source.
class FieldReader {
public:
    explicit FieldReader(ByteSource& source) : m_source(source) { }

    uint8_t U8()
    {
        uint8_t b;
        Exactly(&b, 1);
        return b;
    }
    int32_t I32()
    {
        uint8_t b[4];
        Exactly(b, 4);
        return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
    }

private:
    void Exactly(uint8_t* out, size_t n)
    {
        if (m_source.Read(out, n) != n)
            throw FormatError("unexpected end of data");
    }
    ByteSource& m_source;
};

// A BMP is delimited only by its own file-size field. The pixel budget of
// the whole stream is charged before a bitmap is decoded.
Bitmap ReadSlot(ByteSource& source, int64_t& budget)
{
    if (FieldReader(source).U8() != 0)
        return Bitmap {};
    return ReadBmp(source, &budget);
}

// Everything up to the source's end, read straight into the text.
std::string ReadRest(ByteSource& source)
{
    std::string text;
    size_t chunk = size_t(std::clamp<uint64_t>(source.MostLeft(), 1, 64 << 10));
    for (;;) {
        const size_t at = text.size();
        text.resize(at + chunk);
        const size_t got = source.Read(reinterpret_cast<uint8_t*>(text.data()) + at, chunk);
        text.resize(at + got);
        if (got < chunk || source.MostLeft() == 0)
            return text;
        chunk = std::max(chunk, text.size());
    }
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

SkinStreamContent ReadSkinStream(ByteSource& source)
{
    FieldReader r(source);
    int64_t budget = MaxSkinPixels;
    SkinStreamContent c;
    c.Version = r.I32();
    if (c.Version > SkinStreamVersion)
        return c;
    c.Picture = ReadSlot(source, budget);
    c.InActivePicture = ReadSlot(source, budget);
    c.MaskPicture = ReadSlot(source, budget);
    if (c.Version == 2) {
        ReadSlot(source, budget);
        ReadSlot(source, budget);
    }
    int32_t count = r.I32();
    // No reservation by the count: each picture must really be there.
    for (int32_t k = 0; k < count; ++k)
        c.ActivePictures.push_back(ReadBmp(source, &budget));
    c.DefinitionText = ReadRest(source);
    return c;
}

SkinStreamContent ReadSkinStream(std::span<const uint8_t> bytes)
{
    SpanSource source(bytes);
    return ReadSkinStream(source);
}

SkinStreamContent InflateSkinStream(std::span<const uint8_t> compressed, int64_t maxOutput)
{
    TZlibReader reader(compressed, maxOutput);
    SkinStreamContent c = ReadSkinStream(reader);
    // An unreadable version is still checked to the stream's end, as
    // inflating the whole stream first would.
    reader.Drain();
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
    return CompileSkinLines(lines, SplitPath(definitionPath, isLeadByte).Folder, out, loadPicture);
}

bool CompileSkinLines(const std::vector<std::string>& lines, const std::string& folder, std::vector<uint8_t>& out,
    const PictureLoader& loadPicture)
{
    TMemIniFile ini(lines);
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(section))
            return false;
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

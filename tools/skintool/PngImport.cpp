// Decodes PNG images through stb_image, after a walk over the chunks of our
// own that checks the size against our limits and reads the palette, which
// stb_image does not hand out.
#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include <zlib.h>

#include "skin/data/SkinLimits.h"
#include "tools/skintool/ImportDecoders.h"

namespace ventro::import {

namespace {

constexpr uint8_t Signature[8] = { 137, 'P', 'N', 'G', '\r', '\n', 26, '\n' };
// Deflate cannot expand data by more than about 1032 to 1, so image data
// that would need more is cut short: it is refused before stb_image
// allocates for the full size.
constexpr int64_t MaxInflateRatio = 1040;
// stb_image holds the inflated rows and its output at once; MaxPngRowBytes
// bounds the rows (16-bit colour is reduced to 8 bits, so it may take fewer pixels).

[[noreturn]] void Invalid(const std::string& what) { throw EInvalidGraphic(what); }

uint32_t BigEndian32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

struct PngInfo {
    int32_t Width = 0;
    int32_t Height = 0;
    int Depth = 0;
    int ColorType = 0;
    std::vector<uint32_t> Palette;
    size_t PaletteChunk = 0;  // offset of the PLTE chunk, 0 if none
    int64_t DataBytes = 0;
    bool EmptyDataChunk = false;
    size_t End = 0;  // just past IEND
};

int Channels(int colorType)
{
    switch (colorType) {
    case 0: return 1;
    case 2: return 3;
    case 3: return 1;
    case 4: return 2;
    case 6: return 4;
    default: return 0;
    }
}

PngInfo ReadChunks(std::span<const uint8_t> bytes)
{
    PngInfo info;
    size_t pos = sizeof(Signature);
    bool first = true;
    for (;;) {
        if (bytes.size() - pos < 12)
            Invalid("PNG image is cut short");
        uint32_t length = BigEndian32(bytes.data() + pos);
        const uint8_t* type = bytes.data() + pos + 4;
        if (length > 0x7FFFFFFF || bytes.size() - pos - 12 < length)
            Invalid("PNG chunk runs past the end of the file");
        const uint8_t* data = type + 4;
        bool header = std::memcmp(type, "IHDR", 4) == 0;
        if (first != header)
            Invalid("PNG image does not start with its header");
        first = false;
        if (header) {
            if (length != 13)
                Invalid("PNG header is not valid");
            uint32_t w = BigEndian32(data), h = BigEndian32(data + 4);
            if (w == 0 || h == 0 || w > uint32_t(MaxBitmapDimension) || h > uint32_t(MaxBitmapDimension))
                Invalid("PNG image size is not valid");
            info.Width = int32_t(w);
            info.Height = int32_t(h);
            info.Depth = data[8];
            info.ColorType = data[9];
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (length % 3 != 0 || length > 768 || !info.Palette.empty())
                Invalid("PNG palette is not valid");
            info.PaletteChunk = pos;
            for (uint32_t i = 0; i < length; i += 3)
                info.Palette.push_back((uint32_t(data[i]) << 16) | (uint32_t(data[i + 1]) << 8) | data[i + 2]);
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            info.DataBytes += length;
            info.EmptyDataChunk |= length == 0;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            info.End = pos + 12 + size_t(length);
            return info;
        }
        pos += 12 + size_t(length);
    }
}

std::string Describe(const PngInfo& info)
{
    static const char* const names[] = { "grey", "?", "RGB", "palette", "grey and alpha", "?", "RGBA" };
    return "PNG, " + std::to_string(info.Depth) + "-bit " + names[std::min(info.ColorType, 6)];
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// A copy of the file for the two things stb_image gets wrong: it takes the
// colour of an index past the end of the palette from entries it never set
// (so the palette is filled up with a colour it does not hold, which makes
// such an index show), and it copies from a null buffer when the first
// image data chunk is empty (so empty ones are left out).
std::vector<uint8_t> RewriteForStb(std::span<const uint8_t> bytes, const PngInfo& info, bool fillPalette)
{
    std::vector<uint8_t> out(bytes.begin(), bytes.begin() + sizeof(Signature));
    for (size_t pos = sizeof(Signature); pos < info.End;) {
        uint32_t length = BigEndian32(bytes.data() + pos);
        const uint8_t* type = bytes.data() + pos + 4;
        size_t next = pos + 12 + length;
        if (std::memcmp(type, "IDAT", 4) == 0 && length == 0) {
            pos = next;
            continue;
        }
        if (fillPalette && pos == info.PaletteChunk) {
            std::unordered_set<uint32_t> used(info.Palette.begin(), info.Palette.end());
            uint32_t filler = 0;
            while (used.count(filler))
                ++filler;
            PutBigEndian(out, 256 * 3);
            size_t start = out.size();
            out.insert(out.end(), { 'P', 'L', 'T', 'E' });
            for (size_t i = 0; i < 256; ++i) {
                uint32_t c = i < info.Palette.size() ? info.Palette[i] : filler;
                out.insert(out.end(), { uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c) });
            }
            PutBigEndian(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
        } else {
            out.insert(out.end(), bytes.begin() + long(pos), bytes.begin() + long(next));
        }
        pos = next;
    }
    return out;
}

} // namespace

bool IsPng(std::span<const uint8_t> bytes)
{
    return bytes.size() >= sizeof(Signature) && std::memcmp(bytes.data(), Signature, sizeof(Signature)) == 0;
}

DecodedPicture DecodePng(std::span<const uint8_t> bytes, const ImportLimits& limits)
{
    PngInfo info = ReadChunks(bytes);
    int channels = Channels(info.ColorType);
    if (channels == 0 || (info.Depth != 1 && info.Depth != 2 && info.Depth != 4 && info.Depth != 8 && info.Depth != 16))
        Invalid("PNG header is not valid");
    int64_t pixels = int64_t(info.Width) * info.Height;
    int64_t rowBytes = (int64_t(info.Width) * channels * info.Depth + 7) / 8;
    if (pixels > limits.MaxPixels || rowBytes * info.Height > MaxPngRowBytes)
        Invalid("PNG image size is not valid");
    if (rowBytes * info.Height > info.DataBytes * MaxInflateRatio + 1024)
        Invalid("PNG image data is cut short");

    DecodedPicture out;
    out.Width = info.Width;
    out.Height = info.Height;
    out.Description = Describe(info);
    bool fillPalette = info.ColorType == 3 && info.PaletteChunk != 0 && info.Palette.size() < 256;
    std::vector<uint8_t> rewritten;
    if (fillPalette || info.EmptyDataChunk)
        rewritten = RewriteForStb(bytes, info, fillPalette);
    out.Pixels = StbDecode({}, rewritten.empty() ? bytes : rewritten, info.Width, info.Height);

    // Palette and grey images keep a colour table; stb_image gives colours,
    // so each pixel is looked up in it again.
    std::vector<uint32_t> table;
    if (info.ColorType == 3) {
        table = info.Palette;
    } else if (info.ColorType == 0 || info.ColorType == 4) {
        int levels = 1 << std::min(info.Depth, 8);
        for (int i = 0; i < levels; ++i) {
            uint32_t v = uint32_t(i * 255 / (levels - 1));
            table.push_back((v << 16) | (v << 8) | v);
        }
    }
    if (table.empty())
        return out;
    std::unordered_map<uint32_t, uint8_t> indexOf;
    for (size_t i = table.size(); i-- > 0;)
        indexOf[table[i]] = uint8_t(i);
    out.Indices.resize(size_t(pixels));
    for (int32_t y = 0; y < out.Height; ++y) {
        const uint8_t* row = out.Pixels.Row(y);
        for (int32_t x = 0; x < out.Width; ++x) {
            const uint8_t* p = row + x * 3;
            auto it = indexOf.find((uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0]);
            // Only an index past the end of the palette gives a colour not in it.
            if (it == indexOf.end())
                Invalid("PNG pixel index is past the end of its palette");
            out.Indices[size_t(y) * size_t(out.Width) + size_t(x)] = it->second;
        }
    }
    out.Indexed = true;
    out.Table = std::move(table);
    out.Pixels = PixelBuffer();
    return out;
}

} // namespace ventro::import

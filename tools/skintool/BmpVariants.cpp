// Decodes every Windows and OS/2 bitmap variant: the header kinds (OS/2 1.x
// core, OS/2 2.x, the 40-byte header and its V2 to V5 successors), 1 to 32
// bits, uncompressed, bit fields and RLE. Palette images are decoded here
// into their indices; direct-colour rows go through stb_image.
#include <algorithm>
#include <bit>
#include <string>

#include "base/ByteReader.h"
#include "tools/skintool/ImportDecoders.h"

namespace ventro::import {

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6;

[[noreturn]] void Invalid(const std::string& what) { throw EInvalidGraphic(what); }

struct Header {
    uint32_t HeaderSize = 0;
    uint32_t OffBits = 0;
    int32_t Width = 0;
    int32_t Height = 0;  // rows; positive
    bool TopDown = false;
    uint16_t Bits = 0;
    uint32_t Compression = BiRgb;
    int32_t XPels = 0;
    int32_t YPels = 0;
    uint32_t Masks[3] = {};      // red, green, blue
    size_t TableOffset = 0;
    uint32_t TableEntries = 0;
    uint32_t EntrySize = 4;
    const char* Kind = "";
};

const char* HeaderKind(uint32_t size)
{
    switch (size) {
    case 12: return "OS/2 1.x core header";
    case 40: return "40-byte header";
    case 52: return "V2 header";
    case 56: return "V3 header";
    case 108: return "V4 header";
    case 124: return "V5 header";
    default: return "OS/2 2.x header";
    }
}

bool IsOs2v2(uint32_t size) { return size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56; }

uint32_t FieldOr0(std::span<const uint8_t> header, size_t offset)
{
    if (offset + 4 > header.size())
        return 0;
    return uint32_t(header[offset]) | (uint32_t(header[offset + 1]) << 8) | (uint32_t(header[offset + 2]) << 16)
        | (uint32_t(header[offset + 3]) << 24);
}

void CheckMasks(const uint32_t (&masks)[3], int bits)
{
    uint32_t all = 0;
    for (uint32_t m : masks) {
        if (m == 0 || (bits == 16 && m > 0xFFFF))
            Invalid("Bitmap colour masks are not valid");
        uint32_t shifted = m >> std::countr_zero(m);
        if ((shifted & (shifted + 1)) != 0 || (all & m) != 0)
            Invalid("Bitmap colour masks are not valid");
        all |= m;
    }
}

Header ParseHeader(std::span<const uint8_t> bytes, const ImportLimits& limits)
{
    if (bytes.size() < FileHeaderSize + 4)
        Invalid("Bitmap image is not valid");
    ByteReader r(bytes);
    if (r.U8() != 'B' || r.U8() != 'M')
        Invalid("Bitmap image is not valid");
    Header h;
    r.Skip(8);  // file size and reserved fields: many writers get the size wrong, and nothing needs it
    h.OffBits = r.U32();
    h.HeaderSize = r.U32();
    if (h.HeaderSize != 12 && !(h.HeaderSize >= 16 && h.HeaderSize <= 64) && h.HeaderSize != 108 && h.HeaderSize != 124)
        Invalid("Unsupported bitmap header");
    if (bytes.size() - FileHeaderSize < h.HeaderSize)
        Invalid("Bitmap header runs past the end of the file");
    std::span<const uint8_t> info = bytes.subspan(FileHeaderSize, h.HeaderSize);
    h.Kind = HeaderKind(h.HeaderSize);
    uint16_t planes;
    int64_t height;
    if (h.HeaderSize == 12) {
        h.Width = int32_t(info[4] | (info[5] << 8));
        height = int32_t(info[6] | (info[7] << 8));
        planes = uint16_t(info[8] | (info[9] << 8));
        h.Bits = uint16_t(info[10] | (info[11] << 8));
        h.EntrySize = 3;
    } else {
        h.Width = int32_t(FieldOr0(info, 4));
        height = int32_t(FieldOr0(info, 8));
        planes = uint16_t(FieldOr0(info, 12));
        h.Bits = uint16_t(FieldOr0(info, 12) >> 16);
        h.Compression = FieldOr0(info, 16);
        h.XPels = int32_t(FieldOr0(info, 24));
        h.YPels = int32_t(FieldOr0(info, 28));
    }
    h.TopDown = height < 0;
    h.Height = int32_t(height < 0 ? -height : height);
    if (planes != 1)
        Invalid("Unsupported bitmap format");
    if (h.Width <= 0 || h.Height <= 0 || h.Width > MaxBitmapDimension || h.Height > MaxBitmapDimension
        || int64_t(h.Width) * h.Height > limits.MaxPixels)
        Invalid("Bitmap size is not valid");

    // OS/2 2.x numbers its compressions differently: 3 is Huffman, 4 RLE24.
    bool os2 = h.HeaderSize == 12 || IsOs2v2(h.HeaderSize);
    bool bitfields = !os2 && (h.Compression == BiBitfields || h.Compression == BiAlphaBitfields);
    switch (h.Compression) {
    case BiRgb:
        if (h.Bits != 1 && h.Bits != 2 && h.Bits != 4 && h.Bits != 8 && h.Bits != 16 && h.Bits != 24 && h.Bits != 32)
            Invalid("Unsupported bitmap depth");
        break;
    case BiRle8:
    case BiRle4:
        if (h.Bits != (h.Compression == BiRle8 ? 8 : 4))
            Invalid("Bitmap compression does not fit its depth");
        if (h.TopDown)
            Invalid("RLE bitmaps cannot be top-down");
        break;
    default:
        if (!bitfields)
            Invalid("Unsupported bitmap compression");
        if (h.Bits != 16 && h.Bits != 32)
            Invalid("Bitmap compression does not fit its depth");
    }
    if (os2 && h.Bits == 16) // OS/2 has no 16-bit bitmaps
        Invalid("Unsupported bitmap depth");

    size_t afterHeader = FileHeaderSize + h.HeaderSize;
    if (bitfields) {
        if (h.HeaderSize == 40) {
            size_t maskBytes = h.Compression == BiAlphaBitfields ? 16 : 12;
            if (bytes.size() - afterHeader < maskBytes)
                Invalid("Bitmap colour masks run past the end of the file");
            for (int i = 0; i < 3; ++i)
                h.Masks[i] = FieldOr0(bytes.subspan(afterHeader), size_t(i) * 4);
            afterHeader += maskBytes;
        } else {
            for (int i = 0; i < 3; ++i)
                h.Masks[i] = FieldOr0(info, 40 + size_t(i) * 4);
        }
        CheckMasks(h.Masks, h.Bits);
    } else if (h.Bits == 16) {
        h.Masks[0] = 0x7C00, h.Masks[1] = 0x03E0, h.Masks[2] = 0x001F;
    } else if (h.Bits == 32) {
        h.Masks[0] = 0xFF0000, h.Masks[1] = 0x00FF00, h.Masks[2] = 0x0000FF;
    }

    h.TableOffset = afterHeader;
    if (h.Bits <= 8) {
        uint32_t full = 1u << h.Bits;
        if (h.HeaderSize == 12) {
            // The core header has no count: the table fills the room before the rows.
            int64_t room = int64_t(h.OffBits) - int64_t(afterHeader);
            h.TableEntries = uint32_t(std::clamp<int64_t>(room / 3, 0, full));
        } else {
            uint32_t used = FieldOr0(info, 32);
            h.TableEntries = used == 0 ? full : std::min(used, full);
        }
        if (h.TableEntries == 0)
            Invalid("Bitmap colour table is missing");
        if (int64_t(bytes.size()) - int64_t(afterHeader) < int64_t(h.TableEntries) * h.EntrySize)
            Invalid("Bitmap colour table runs past the end of the file");
        afterHeader += size_t(h.TableEntries) * h.EntrySize;
    }
    if (h.OffBits < afterHeader)
        Invalid("Bitmap pixel data overlaps its headers");
    if (h.OffBits > bytes.size())
        Invalid("Bitmap pixel data runs past the end of the file");
    return h;
}

std::string Describe(const Header& h)
{
    const char* compression = "uncompressed";
    if (h.Compression == BiRle8)
        compression = "RLE8";
    else if (h.Compression == BiRle4)
        compression = "RLE4";
    else if (h.Compression == BiBitfields || h.Compression == BiAlphaBitfields)
        compression = h.HeaderSize == 12 || IsOs2v2(h.HeaderSize) ? "uncompressed" : "bit-field";
    return std::to_string(h.Bits) + "-bit " + compression + " bitmap, " + h.Kind + (h.TopDown ? ", top-down" : "");
}

int64_t Stride(const Header& h) { return ((int64_t(h.Width) * h.Bits + 31) / 32) * 4; }

std::span<const uint8_t> Rows(std::span<const uint8_t> bytes, const Header& h)
{
    int64_t size = Stride(h) * h.Height;
    if (int64_t(bytes.size()) - int64_t(h.OffBits) < size)
        Invalid("Bitmap pixel data runs past the end of the file");
    return bytes.subspan(h.OffBits, size_t(size));
}

void DecodeIndexedRows(std::span<const uint8_t> bytes, const Header& h, std::vector<uint8_t>& indices)
{
    std::span<const uint8_t> rows = Rows(bytes, h);
    size_t stride = size_t(Stride(h));
    unsigned bits = h.Bits, perByte = 8 / bits, mask = (1u << bits) - 1;
    for (int32_t y = 0; y < h.Height; ++y) {
        const uint8_t* src = rows.data() + size_t(h.TopDown ? y : h.Height - 1 - y) * stride;
        uint8_t* dst = indices.data() + size_t(y) * size_t(h.Width);
        for (int32_t x = 0; x < h.Width; ++x) {
            unsigned shift = 8 - bits * (unsigned(x) % perByte + 1);
            dst[x] = uint8_t((src[unsigned(x) / perByte] >> shift) & mask);
        }
    }
}

// RLE8 and RLE4 (bottom-up only). Pixels the data skips keep index 0. A run
// or a delta that leaves the image is an error rather than being clipped, so
// a damaged file is not taken for a picture.
void DecodeRle(std::span<const uint8_t> bytes, const Header& h, std::vector<uint8_t>& indices)
{
    ByteReader r(bytes.subspan(h.OffBits));
    bool four = h.Compression == BiRle4;
    int64_t x = 0, y = 0;  // y counts rows from the bottom
    auto put = [&](uint8_t index) {
        indices[size_t(h.Height - 1 - y) * size_t(h.Width) + size_t(x)] = index;
        ++x;
    };
    auto room = [&](unsigned count) {
        if (y >= h.Height || x + count > h.Width)
            Invalid("Bitmap RLE run goes past its row");
    };
    try {
        for (;;) {
            unsigned count = r.U8();
            uint8_t value = r.U8();
            if (count > 0) {
                room(count);
                for (unsigned i = 0; i < count; ++i)
                    put(four ? uint8_t(i % 2 ? value & 15 : value >> 4) : value);
                continue;
            }
            if (value == 0) {  // end of line
                x = 0;
                if (++y > h.Height)
                    Invalid("Bitmap RLE data goes past the image");
            } else if (value == 1) {  // end of bitmap
                return;
            } else if (value == 2) {  // delta
                x += r.U8();
                y += r.U8();
                if (x > h.Width || y > h.Height || (y == h.Height && x > 0))
                    Invalid("Bitmap RLE data goes past the image");
            } else {  // absolute run, padded to a 16-bit boundary
                room(value);
                size_t size = four ? (size_t(value) + 1) / 2 : value;
                auto run = r.Take(size + size % 2);
                for (unsigned i = 0; i < value; ++i)
                    put(four ? uint8_t(i % 2 ? run[i / 2] & 15 : run[i / 2] >> 4) : run[i]);
            }
        }
    } catch (const FormatError&) {
        // Data that ends after the last row without the end-of-bitmap mark is
        // accepted, as writers often leave it out.
        if (y < h.Height)
            Invalid("Bitmap RLE data ends early");
    }
}

// A V5 header in front of the rows hands any direct-colour variant to
// stb_image in the one form it reads for all of them. Masks wider than eight
// bits are cut to their top eight bits, which is what 24-bit colour keeps.
std::vector<uint8_t> HeaderForStb(const Header& h)
{
    std::vector<uint8_t> out(FileHeaderSize + 124, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(10, uint32_t(out.size()));
    put32(14, 124);
    put32(18, uint32_t(h.Width));
    put32(22, uint32_t(h.TopDown ? -h.Height : h.Height));
    put32(26, 1u | (uint32_t(h.Bits) << 16));
    put32(30, h.Bits == 24 ? BiRgb : BiBitfields);
    for (int i = 0; i < 3; ++i) {
        uint32_t m = h.Masks[i];
        int width = std::popcount(m);
        if (width > 8)
            m &= ~((uint32_t(1) << (std::countr_zero(m) + width - 8)) - 1);
        put32(54 + size_t(i) * 4, m);
    }
    return out;
}

} // namespace

DecodedPicture DecodeWindowsBitmap(std::span<const uint8_t> bytes, const ImportLimits& limits)
{
    Header h = ParseHeader(bytes, limits);
    DecodedPicture out;
    out.Width = h.Width;
    out.Height = h.Height;
    out.XPelsPerMeter = h.XPels;
    out.YPelsPerMeter = h.YPels;
    out.Description = Describe(h);
    if (h.Bits > 8) {
        out.Pixels = StbDecode(HeaderForStb(h), Rows(bytes, h), h.Width, h.Height);
        return out;
    }
    out.Indexed = true;
    out.Table.resize(h.TableEntries);
    const uint8_t* table = bytes.data() + h.TableOffset;
    for (uint32_t i = 0; i < h.TableEntries; ++i) {
        const uint8_t* e = table + size_t(i) * h.EntrySize;
        out.Table[i] = uint32_t(e[0]) | (uint32_t(e[1]) << 8) | (uint32_t(e[2]) << 16);
    }
    out.Indices.assign(size_t(h.Width) * size_t(h.Height), 0);
    if (h.Compression == BiRle8 || h.Compression == BiRle4)
        DecodeRle(bytes, h, out.Indices);
    else
        DecodeIndexedRows(bytes, h, out.Indices);
    return out;
}

} // namespace ventro::import

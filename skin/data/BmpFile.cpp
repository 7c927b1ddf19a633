// Windows bitmap files: validation, decoding and encoding.
#include "skin/data/BmpFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/ByteReader.h"

namespace ventro {

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;

struct BmpLayout {
    uint32_t FileSize = 0;
    uint32_t Reserved = 0;
    uint32_t OffBits = 0;
    int32_t Width = 0;
    int32_t Height = 0;  // as stored: negative for top-down rows
    uint16_t BitCount = 0;
    uint32_t SizeImage = 0;
    int32_t XPels = 0;
    int32_t YPels = 0;
    uint32_t ClrUsed = 0;
    uint32_t ClrImportant = 0;
    uint32_t TableEntries = 0;
    int64_t Stride = 0;
    int64_t RowsEnd = 0;
};

int64_t StrideFor(int64_t width, int bits) { return ((width * bits + 31) / 32) * 4; }

[[noreturn]] void Invalid(const char* what) { throw EInvalidGraphic(what); }

// Every field is checked, in 64-bit arithmetic, before the caller allocates.
// `header` holds at least the two headers; the whole file must fit in
// `available` bytes.
BmpLayout ParseLayout(std::span<const uint8_t> header, uint64_t available)
{
    if (header.size() < FileHeaderSize + InfoHeaderSize)
        Invalid("Bitmap image is not valid");
    ByteReader r(header);
    if (r.U8() != 'B' || r.U8() != 'M')
        Invalid("Bitmap image is not valid");
    BmpLayout l;
    l.FileSize = r.U32();
    l.Reserved = r.U32();
    l.OffBits = r.U32();
    if (r.U32() != InfoHeaderSize)
        Invalid("Unsupported bitmap header");
    l.Width = r.I32();
    l.Height = r.I32();
    uint16_t planes = r.U16();
    l.BitCount = r.U16();
    uint32_t compression = r.U32();
    l.SizeImage = r.U32();
    l.XPels = r.I32();
    l.YPels = r.I32();
    l.ClrUsed = r.U32();
    l.ClrImportant = r.U32();
    if (l.FileSize < FileHeaderSize + InfoHeaderSize || l.FileSize > available)
        Invalid("Bitmap image is not valid");
    if (planes != 1 || compression != 0)
        Invalid("Unsupported bitmap format");
    if (l.BitCount != 1 && l.BitCount != 8 && l.BitCount != 24)
        Invalid("Unsupported bitmap depth");
    int64_t height = l.Height < 0 ? -int64_t(l.Height) : int64_t(l.Height);
    if (l.Width <= 0 || height <= 0 || l.Width > MaxBitmapDimension || height > MaxBitmapDimension
        || int64_t(l.Width) * height > MaxBitmapPixels)
        Invalid("Bitmap size is not valid");
    int64_t maxEntries = l.BitCount == 24 ? 256 : (int64_t(1) << l.BitCount);
    if (l.ClrUsed > maxEntries)
        Invalid("Bitmap colour table is not valid");
    l.TableEntries = l.BitCount == 24 ? l.ClrUsed : (l.ClrUsed ? l.ClrUsed : uint32_t(maxEntries));
    int64_t tableEnd = int64_t(FileHeaderSize) + InfoHeaderSize + int64_t(l.TableEntries) * 4;
    l.Stride = StrideFor(l.Width, l.BitCount);
    l.RowsEnd = int64_t(l.OffBits) + l.Stride * height;
    if (tableEnd > int64_t(l.OffBits) || l.RowsEnd > int64_t(l.FileSize))
        Invalid("Bitmap image is not valid");
    return l;
}

void PutU16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// Reads exactly n bytes or fails as a file cut short.
void ReadExactly(ByteSource& source, uint8_t* out, size_t n)
{
    if (source.Read(out, n) != n)
        Invalid("Bitmap image is not valid");
}

// A run of bytes the headers announce: taken in pieces, so that a length
// claimed by a damaged header costs no more memory than the bytes really there.
std::vector<uint8_t> ReadRun(ByteSource& source, size_t n)
{
    std::vector<uint8_t> bytes;
    while (bytes.size() < n) {
        const size_t at = bytes.size();
        bytes.resize(at + std::min<size_t>(n - at, std::max<size_t>(at, 4096)));
        ReadExactly(source, bytes.data() + at, bytes.size() - at);
    }
    return bytes;
}

// 24-bit rows come in the buffer's own layout: inflated or copied straight
// into it in file order, then put top-down in place; row padding is zero.
void ReadPixelRows(ByteSource& source, const BmpLayout& l, Bitmap& bmp)
{
    const int32_t width = bmp.Width();
    const int32_t height = bmp.Height();
    const size_t stride = size_t(l.Stride);
    uint8_t* bits = bmp.Pixels.View().Bits();
    ReadExactly(source, bits, stride * size_t(height));
    const size_t used = size_t(width) * 3;
    if (bmp.BottomUp) {
        std::vector<uint8_t> spare(stride);
        for (int32_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
            uint8_t* a = bits + size_t(top) * stride;
            uint8_t* b = bits + size_t(bottom) * stride;
            std::memcpy(spare.data(), a, stride);
            std::memcpy(a, b, stride);
            std::memcpy(b, spare.data(), stride);
        }
    }
    if (used < stride)
        for (int32_t y = 0; y < height; ++y)
            std::memset(bits + size_t(y) * stride + used, 0, stride - used);
}

// The eight indices, first pixel first, of each byte of a 1-bit row.
constexpr auto BitIndices = [] {
    std::array<std::array<uint8_t, 8>, 256> t {};
    for (size_t b = 0; b < 256; ++b)
        for (size_t k = 0; k < 8; ++k)
            t[b][k] = uint8_t((b >> (7 - k)) & 1);
    return t;
}();

// 1- and 8-bit rows are read one at a time and turned into indices and colours.
void ReadIndexedRows(ByteSource& source, const BmpLayout& l, Bitmap& bmp)
{
    const int32_t width = bmp.Width();
    const int32_t height = bmp.Height();
    bmp.Indices.resize(size_t(width) * size_t(height));
    // The three bytes of every index the depth can hold; an index past the
    // table is black.
    uint8_t colors[256 * 3] {};
    const size_t entries = std::min<size_t>(bmp.ColorTable.size(), size_t(1) << l.BitCount);
    for (size_t i = 0; i < entries; ++i) {
        colors[i * 3] = uint8_t(bmp.ColorTable[i]);
        colors[i * 3 + 1] = uint8_t(bmp.ColorTable[i] >> 8);
        colors[i * 3 + 2] = uint8_t(bmp.ColorTable[i] >> 16);
    }
    // A 1-bit picture of more pixels than its table of byte colours holds
    // is turned eight pixels at a time: each byte of the file stands for
    // eight indices and 24 bytes of colour.
    const bool oneBit = l.BitCount == 1;
    const bool byBytes = oneBit && int64_t(width) * height >= 256 * 8;
    std::vector<uint8_t> byteColors(byBytes ? 256 * 24 : 0);
    for (size_t b = 0; b < byteColors.size() / 24; ++b)
        for (size_t k = 0; k < 8; ++k)
            std::memcpy(&byteColors[b * 24 + k * 3], colors + BitIndices[b][k] * 3, 3);
    const int32_t wholeBytes = byBytes ? width / 8 : 0;
    std::vector<uint8_t> row(size_t(l.Stride));
    for (int32_t fileRow = 0; fileRow < height; ++fileRow) {
        ReadExactly(source, row.data(), row.size());
        const int32_t y = bmp.BottomUp ? height - 1 - fileRow : fileRow;
        uint8_t* dst = bmp.Pixels.Row(y);
        uint8_t* idx = bmp.Indices.data() + size_t(y) * size_t(width);
        if (!oneBit)
            std::copy(row.begin(), row.begin() + width, idx);
        for (int32_t i = 0; i < wholeBytes; ++i) {
            const uint8_t bits = row[size_t(i)];
            std::memcpy(idx + size_t(i) * 8, BitIndices[bits].data(), 8);
            std::memcpy(dst + size_t(i) * 24, &byteColors[size_t(bits) * 24], 24);
        }
        for (int32_t x = wholeBytes * 8; x < width; ++x) {
            if (oneBit)
                idx[x] = BitIndices[row[size_t(x) >> 3]][size_t(x) & 7];
            std::memcpy(dst + size_t(x) * 3, colors + size_t(idx[x]) * 3, 3);
        }
        std::memset(dst + size_t(width) * 3, 0, size_t(bmp.Pixels.Stride()) - size_t(width) * 3);
    }
}

} // namespace

BmpHeaderInfo PeekBmp(std::span<const uint8_t> bytes)
{
    BmpLayout l = ParseLayout(bytes, bytes.size());
    return BmpHeaderInfo { l.FileSize, l.Width, l.Height < 0 ? -l.Height : l.Height, l.BitCount };
}

Bitmap ReadBmp(std::span<const uint8_t> bytes)
{
    SpanSource source(bytes);
    return ReadBmp(source);
}

Bitmap ReadBmp(ByteSource& source, int64_t* pixelBudget)
{
    uint8_t header[FileHeaderSize + InfoHeaderSize];
    ReadExactly(source, header, sizeof header);
    BmpLayout l = ParseLayout(header, sizeof header + source.MostLeft());
    int32_t width = l.Width;
    int32_t height = l.Height < 0 ? -l.Height : l.Height;
    if (pixelBudget) {
        *pixelBudget -= int64_t(width) * height;
        if (*pixelBudget < 0)
            throw EInvalidGraphic("Skin pictures are too large");
    }
    Bitmap bmp;
    bmp.BitsPerPixel = l.BitCount;
    bmp.BottomUp = l.Height > 0;
    bmp.XPelsPerMeter = l.XPels;
    bmp.YPelsPerMeter = l.YPels;
    bmp.ColorsUsed = l.ClrUsed;
    bmp.ColorsImportant = l.ClrImportant;
    bmp.SizeImage = l.SizeImage;
    bmp.Reserved = l.Reserved;

    uint8_t table[256 * 4];
    ReadExactly(source, table, size_t(l.TableEntries) * 4);
    bmp.ColorTable.resize(l.TableEntries);
    for (uint32_t i = 0; i < l.TableEntries; ++i)
        bmp.ColorTable[i] = uint32_t(table[i * 4]) | (uint32_t(table[i * 4 + 1]) << 8)
            | (uint32_t(table[i * 4 + 2]) << 16) | (uint32_t(table[i * 4 + 3]) << 24);
    const size_t tableEnd = FileHeaderSize + InfoHeaderSize + size_t(l.TableEntries) * 4;
    bmp.Gap = ReadRun(source, l.OffBits - tableEnd);

    // Every byte of the rows, padding included, is written below or the
    // picture is thrown away with the error.
    bmp.Pixels.ResizeForOverwrite(width, height);
    if (l.BitCount == 24)
        ReadPixelRows(source, l, bmp);
    else
        ReadIndexedRows(source, l, bmp);
    bmp.Tail = ReadRun(source, size_t(l.FileSize - l.RowsEnd));
    return bmp;
}

std::vector<uint8_t> WriteBmp(const Bitmap& bmp)
{
    if (bmp.IsEmpty())
        throw EInvalidGraphic("Cannot save an empty bitmap");
    int32_t width = bmp.Width();
    int32_t height = bmp.Height();
    int bits = bmp.BitsPerPixel;
    if (bits != 24 && bits != 8 && bits != 1)
        throw EInvalidGraphic("Unsupported bitmap depth");
    if (bits < 24 && bmp.Indices.size() != size_t(width) * size_t(height))
        throw EInvalidGraphic("Bitmap palette indices are missing");
    int64_t stride = StrideFor(width, bits);
    uint32_t offBits = uint32_t(FileHeaderSize + InfoHeaderSize + bmp.ColorTable.size() * 4 + bmp.Gap.size());
    uint32_t fileSize = uint32_t(offBits + stride * height + int64_t(bmp.Tail.size()));

    std::vector<uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, fileSize);
    PutU32(out, bmp.Reserved);
    PutU32(out, offBits);
    PutU32(out, InfoHeaderSize);
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(bmp.BottomUp ? height : -height));
    PutU16(out, 1);
    PutU16(out, uint16_t(bits));
    PutU32(out, 0);
    PutU32(out, bmp.SizeImage);
    PutU32(out, uint32_t(bmp.XPelsPerMeter));
    PutU32(out, uint32_t(bmp.YPelsPerMeter));
    // A table shorter than the depth's full size must be announced, or the
    // rows would be read from inside the table.
    uint32_t colorsUsed = bmp.ColorsUsed;
    if (bits < 24 && bmp.ColorTable.size() != (size_t(1) << bits))
        colorsUsed = uint32_t(bmp.ColorTable.size());
    PutU32(out, colorsUsed);
    PutU32(out, bmp.ColorsImportant);
    for (uint32_t quad : bmp.ColorTable)
        PutU32(out, quad);
    out.insert(out.end(), bmp.Gap.begin(), bmp.Gap.end());
    size_t rowsStart = out.size();
    out.resize(rowsStart + size_t(stride) * size_t(height), 0);
    for (int32_t y = 0; y < height; ++y) {
        int32_t fileRow = bmp.BottomUp ? height - 1 - y : y;
        uint8_t* dst = out.data() + rowsStart + size_t(fileRow) * size_t(stride);
        if (bits == 24) {
            const uint8_t* src = bmp.Pixels.Row(y);
            std::copy(src, src + size_t(width) * 3, dst);
            continue;
        }
        const uint8_t* idx = bmp.Indices.data() + size_t(y) * size_t(width);
        for (int32_t x = 0; x < width; ++x) {
            if (bits == 8)
                dst[x] = idx[x];
            else if (idx[x] & 1)
                dst[x >> 3] |= uint8_t(0x80 >> (x & 7));
        }
    }
    out.insert(out.end(), bmp.Tail.begin(), bmp.Tail.end());
    return out;
}

Bitmap BitmapFromPixels(PixelBuffer pixels)
{
    Bitmap bmp;
    bmp.SizeImage = uint32_t(RowStride24(pixels.Width()) * pixels.Height());
    bmp.Pixels = std::move(pixels);
    return bmp;
}

} // namespace ventro

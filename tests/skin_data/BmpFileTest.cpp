// BMP files: byte-exact round trips at 1, 8 and 24 bits, decoded colours, and
// refusal of every kind of malformed header before anything is allocated.
#include <gtest/gtest.h>

#include "skin/data/BmpFile.h"
#include "tests/skin_data/TestHelpers.h"

namespace ventro {
namespace {

using test::IndexedBitmap;
using test::SolidBitmap;

void PutLE(std::vector<uint8_t>& b, size_t at, uint32_t v, int n = 4)
{
    for (int i = 0; i < n; ++i)
        b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// The widths leave padding at every row's end, which the decoder writes
// itself (its buffer is not zeroed first; the sanitizer build fills new
// memory, so a byte left out shows).
TEST(BmpFile, RoundTripsAreByteExactAtEveryDepth)
{
    std::vector<Bitmap> bitmaps = {
        SolidBitmap(5, 3, Rgb(10, 20, 30)),
        IndexedBitmap(13, 4, 1, { 0x000000, 0xFFFFFF }),
        IndexedBitmap(7, 5, 8, { 0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xFF0000 }),
    };
    for (const Bitmap& b : bitmaps) {
        auto bytes = WriteBmp(b);
        Bitmap read = ReadBmp(bytes);
        EXPECT_EQ(read.BitsPerPixel, b.BitsPerPixel);
        EXPECT_EQ(read.ColorTable, b.ColorTable);
        EXPECT_TRUE(read.Pixels == b.Pixels);
        EXPECT_EQ(WriteBmp(read), bytes);
        EXPECT_EQ(PeekBmp(bytes).FileLength, bytes.size());
    }
}

TEST(BmpFile, RowsArePaddedAndStoredBottomUp)
{
    Bitmap b = SolidBitmap(1, 2, Rgb(1, 2, 3));
    b.Pixels.SetPixel(0, 0, Rgb(0xAA, 0xBB, 0xCC));
    auto bytes = WriteBmp(b);
    ASSERT_EQ(bytes.size(), 54u + 2 * 4);
    // The top row is the last row in the file: blue, green, red, padding.
    EXPECT_EQ(bytes[58], 0xCC);
    EXPECT_EQ(bytes[59], 0xBB);
    EXPECT_EQ(bytes[60], 0xAA);
    EXPECT_EQ(bytes[61], 0);
}

TEST(BmpFile, PaletteIndicesDecodeToTheirColours)
{
    Bitmap b = IndexedBitmap(9, 2, 1, { 0x000000, 0xFFFFFF });
    Bitmap read = ReadBmp(WriteBmp(b));
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 9; ++x)
            EXPECT_EQ(read.Pixels.PixelAt(x, y), read.Indices[size_t(y * 9 + x)] ? 0xFFFFFFu : 0u);

    // An index past a short table keeps its value and shows black.
    std::vector<uint8_t> bytes = WriteBmp(IndexedBitmap(4, 1, 8, { 0x102030, 0x405060, 0x708090 }));
    const size_t rows = 54 + 3 * 4;
    bytes[rows + 1] = 2;
    bytes[rows + 2] = 200;
    Bitmap shortTable = ReadBmp(bytes);
    EXPECT_EQ(shortTable.Indices[1], 2);
    EXPECT_EQ(shortTable.Pixels.PixelAt(1, 0), Rgb(0x70, 0x80, 0x90));
    EXPECT_EQ(shortTable.Indices[2], 200);
    EXPECT_EQ(shortTable.Pixels.PixelAt(2, 0), 0u);
}

// Large 1-bit pictures are turned a file byte at a time; the rows end in a
// part byte and padding, and an index past a one-colour table is black.
TEST(BmpFile, LargeOneBitPicturesDecodeEveryPixelOfEveryByte)
{
    for (std::vector<uint32_t> table : { std::vector<uint32_t> { 0x0000FF, 0xFFEE00 }, { 0x112233 } }) {
        Bitmap b = IndexedBitmap(83, 30, 1, table);
        uint32_t seed = 12345;
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 83; ++x) {
                seed = seed * 1103515245u + 12345u;
                const uint8_t i = uint8_t((seed >> 16) & 1);
                b.Indices[size_t(y * 83 + x)] = i;
                const uint32_t q = i < table.size() ? table[i] : 0;
                b.Pixels.SetPixel(x, y, Rgb(uint8_t(q >> 16), uint8_t(q >> 8), uint8_t(q)));
            }
        auto bytes = WriteBmp(b);
        Bitmap read = ReadBmp(bytes);
        EXPECT_EQ(read.Indices, b.Indices);
        EXPECT_TRUE(read.Pixels == b.Pixels);
        EXPECT_EQ(WriteBmp(read), bytes);
    }
}

TEST(BmpFile, TopDownFilesAndExtraBytesRoundTrip)
{
    auto bytes = WriteBmp(SolidBitmap(3, 3, Rgb(9, 8, 7)));
    Bitmap bottomUp = ReadBmp(bytes);
    PutLE(bytes, 22, uint32_t(-3));
    Bitmap topDown = ReadBmp(bytes);
    EXPECT_FALSE(topDown.BottomUp);
    EXPECT_EQ(topDown.Pixels.PixelAt(0, 0), bottomUp.Pixels.PixelAt(0, 2));
    EXPECT_EQ(WriteBmp(topDown), bytes);
    // Bytes after the rows inside the file size are kept as they were.
    bytes.insert(bytes.end(), { 1, 2, 3 });
    PutLE(bytes, 2, uint32_t(bytes.size()));
    EXPECT_EQ(WriteBmp(ReadBmp(bytes)), bytes);
}

TEST(BmpFile, MalformedHeadersAreRefused)
{
    const auto good = WriteBmp(IndexedBitmap(4, 4, 8, { 1, 2, 3 }));
    ASSERT_NO_THROW(ReadBmp(good));
    auto mutate = [&](auto change) {
        auto b = good;
        change(b);
        return b;
    };
    std::vector<std::vector<uint8_t>> bad = {
        mutate([](auto& b) { b[0] = 'X'; }),                             // not "BM"
        mutate([](auto& b) { PutLE(b, 2, uint32_t(b.size() + 1)); }),     // file longer than the bytes
        mutate([](auto& b) { PutLE(b, 2, 20); }),                         // file shorter than its headers
        mutate([](auto& b) { PutLE(b, 14, 12); }),                        // unsupported header size
        mutate([](auto& b) { PutLE(b, 18, 0); }),                         // zero width
        mutate([](auto& b) { PutLE(b, 18, uint32_t(-4)); }),              // negative width
        mutate([](auto& b) { PutLE(b, 22, 0); }),                         // zero height
        mutate([](auto& b) { PutLE(b, 18, 100000); }),                    // width beyond the limit
        mutate([](auto& b) { PutLE(b, 18, 16000); PutLE(b, 22, 16000); }), // too many pixels
        mutate([](auto& b) { PutLE(b, 22, 0x80000000u); }),               // height of INT_MIN
        mutate([](auto& b) { PutLE(b, 28, 4, 2); }),                      // unsupported depth
        mutate([](auto& b) { PutLE(b, 30, 1); }),                         // compressed rows
        mutate([](auto& b) { PutLE(b, 26, 2, 2); }),                      // two planes
        mutate([](auto& b) { PutLE(b, 46, 300); }),                       // colour table beyond 256
        mutate([](auto& b) { PutLE(b, 46, 200); }),                       // table past the rows' offset
        mutate([](auto& b) { PutLE(b, 10, uint32_t(b.size())); }),       // rows past the file end
        std::vector<uint8_t>(good.begin(), good.begin() + 30),           // cut inside the header
    };
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(ReadBmp(bad[i]), EInvalidGraphic) << "case " << i;
}

TEST(BmpFile, AnEmptyBitmapHasNoFileForm)
{
    EXPECT_THROW(WriteBmp(Bitmap {}), EInvalidGraphic);
}

} // namespace
} // namespace ventro

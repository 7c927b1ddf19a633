// The picture import of skintool compile: every bitmap variant and PNG,
// built inline, decodes to the pixels it was built from and lands in the
// stored layout; files already in that layout go in byte for byte; damaged
// files are refused.
#include <gtest/gtest.h>

#include "tests/skin_data/PictureBuilders.h"
#include "tests/skin_data/TestHelpers.h"
#include "tools/skintool/BitmapImport.h"

namespace ventro {
namespace {

using test::BmpLayout;
using test::MakeBmp;
using test::MakePng;
using test::PackRows;
using test::Put;
using test::PutAt;

Color ColorOf(uint32_t rrggbb) { return Rgb(uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)); }

void ExpectPixels(const Bitmap& bmp, const std::vector<std::vector<uint32_t>>& expected, const std::string& what)
{
    ASSERT_EQ(bmp.Height(), int32_t(expected.size())) << what;
    ASSERT_EQ(bmp.Width(), int32_t(expected[0].size())) << what;
    for (size_t y = 0; y < expected.size(); ++y)
        for (size_t x = 0; x < expected[y].size(); ++x)
            EXPECT_EQ(bmp.Pixels.PixelAt(int32_t(x), int32_t(y)), ColorOf(expected[y][x])) << what << " at " << x << "," << y;
}

// The result must be a bitmap the skin stream stores and reads back as is.
void ExpectStoredLayout(const Bitmap& bmp, uint16_t bits)
{
    EXPECT_EQ(bmp.BitsPerPixel, bits);
    auto bytes = WriteBmp(bmp);
    Bitmap again = ReadBmp(bytes);
    EXPECT_TRUE(again.Pixels == bmp.Pixels);
    EXPECT_EQ(WriteBmp(again), bytes);
}

const std::vector<uint32_t> Palette16 = { 0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF };

std::vector<std::vector<uint8_t>> IndexPattern(int w, int h, int colours)
{
    std::vector<std::vector<uint8_t>> rows(size_t(h), std::vector<uint8_t>(static_cast<size_t>(w)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[size_t(y)][size_t(x)] = uint8_t((x * 3 + y * 5) % colours);
    return rows;
}

std::vector<std::vector<uint32_t>> Colours(const std::vector<std::vector<uint8_t>>& rows, const std::vector<uint32_t>& table)
{
    std::vector<std::vector<uint32_t>> out;
    for (const auto& row : rows) {
        out.emplace_back();
        for (uint8_t i : row)
            out.back().push_back(table[i]);
    }
    return out;
}

TEST(BitmapImport, StoredLayoutGoesInByteForByte)
{
    Bitmap b24 = test::SolidBitmap(5, 3, Rgb(10, 20, 30));
    b24.Tail = { 1, 2, 3 };
    Bitmap b8 = test::IndexedBitmap(7, 4, 8, { 0x102030, 0x405060, 0x708090 });
    b8.Gap = { 9, 9 };
    Bitmap b1 = test::IndexedBitmap(13, 3, 1, { 0x000000, 0xFFFFFF });
    b1.BottomUp = false;
    for (const Bitmap& b : { b24, b8, b1 }) {
        auto bytes = WriteBmp(b);
        ImportedPicture imported = ImportPicture(bytes);
        EXPECT_FALSE(imported.Converted()) << imported.ConvertedFrom;
        EXPECT_EQ(WriteBmp(imported.Picture), bytes);

        // A wrong file-size field, which the stream depends on, is rewritten.
        PutAt(bytes, 2, 0);
        imported = ImportPicture(bytes);
        EXPECT_TRUE(imported.Converted());
        EXPECT_TRUE(imported.Picture.Pixels == b.Pixels);
        ExpectStoredLayout(imported.Picture, b.BitsPerPixel);
    }
}

TEST(BitmapImport, PaletteBitmapsKeepTheirTableAtEveryDepthAndHeader)
{
    for (uint32_t header : { 12u, 40u, 64u, 108u, 124u }) {
        for (int bits : { 1, 2, 4, 8 }) {
            std::vector<uint32_t> table(Palette16.begin(), Palette16.begin() + std::min(16, 1 << bits));
            if (bits == 1)
                table = { 0x102030, 0xF0E0D0 };
            auto rows = IndexPattern(11, 3, int(table.size()));
            for (bool topDown : { false, true }) {
                if (header == 12 && topDown)
                    continue;  // the core header has no top-down form
                BmpLayout s { header, 11, topDown ? -3 : 3, uint16_t(bits), 0, table };
                s.ClrUsed = bits == 8 ? uint32_t(table.size()) : 0;
                s.Data = PackRows(rows, bits, !topDown);
                std::string what = std::to_string(bits) + " bits, header " + std::to_string(header) + (topDown ? ", top-down" : "");
                ImportedPicture imported = ImportPicture(MakeBmp(s));
                bool storedLayout = header == 40 && (bits == 1 || bits == 8);
                EXPECT_EQ(imported.Converted(), !storedLayout) << what;
                ExpectPixels(imported.Picture, Colours(rows, table), what);
                ExpectStoredLayout(imported.Picture, bits == 1 ? 1 : 8);
                EXPECT_EQ(imported.Picture.ColorTable, table) << what;
                if (!storedLayout) {
                    EXPECT_NE(imported.ConvertedFrom.find(std::to_string(bits) + "-bit"), std::string::npos) << imported.ConvertedFrom;
                }
            }
        }
    }
}

TEST(BitmapImport, IndicesPastAShortTableShowBlack)
{
    // Two colours announced, index 3 used: Windows shows black there, and the
    // stored table grows so that the index stays valid.
    std::vector<std::vector<uint8_t>> rows = { { 0, 1, 3, 1 } };
    BmpLayout s { 40, 4, 1, 4, 0, { 0xFF0000, 0x00FF00 } };
    s.ClrUsed = 2;
    s.Data = PackRows(rows, 4, true);
    ImportedPicture imported = ImportPicture(MakeBmp(s));
    ExpectPixels(imported.Picture, { { 0xFF0000, 0x00FF00, 0x000000, 0x00FF00 } }, "short table");
    ExpectStoredLayout(imported.Picture, 8);
    EXPECT_EQ(imported.Picture.ColorTable.size(), 4u);
}

// Stores one row of 16-bit values.
std::vector<uint8_t> Row16(std::initializer_list<uint16_t> values)
{
    std::vector<uint8_t> out;
    for (uint16_t v : values)
        Put(out, v, 2);
    out.resize((out.size() + 3) / 4 * 4, 0);
    return out;
}

TEST(BitmapImport, DirectColourBitmapsBecome24Bit)
{
    // Five-bit channels widen as the platform draws them: v << 3 | v >> 2.
    auto five = [](uint32_t v) { return (v << 3) | (v >> 2); };
    auto six = [](uint32_t v) { return (v << 2) | (v >> 4); };
    struct Case {
        std::string Name;
        BmpLayout Layout;
        std::vector<uint32_t> Expected;  // one row
    };
    std::vector<Case> cases;
    cases.push_back({ "16-bit 5-5-5", { 40, 3, 1, 16, 0, {}, {}, 0, Row16({ 0x7C00, 0x03E0 | 0x0010, 0x0001 }) },
        { 0xFF0000, (0xFFu << 8) | five(16), five(1) } });
    cases.push_back({ "16-bit 5-6-5 bit fields", { 40, 3, 1, 16, 3, {}, { 0xF800, 0x07E0, 0x001F }, 0, Row16({ 0xF800, 0x0020, 0x8410 }) },
        { 0xFF0000, six(1) << 8, (five(16) << 16) | (six(32) << 8) | five(16) } });
    cases.push_back({ "16-bit 4-4-4-4 in a V4 header", { 108, 2, 1, 16, 3, {}, { 0x0F00, 0x00F0, 0x000F, 0xF000 }, 0, Row16({ 0x0F00, 0xF00F }) },
        { 0xFF0000, 0x0000FF } });
    {
        // 32-bit rows with alpha that is dropped, in V5 and 40-byte headers.
        std::vector<uint8_t> row = { 0x30, 0x20, 0x10, 0x00, 0xFF, 0xFF, 0xFF, 0x80 };
        cases.push_back({ "32-bit", { 40, 2, 1, 32, 0, {}, {}, 0, row }, { 0x102030, 0xFFFFFF } });
        cases.push_back({ "32-bit V5 bit fields", { 124, 2, 1, 32, 3, {}, { 0xFF0000, 0xFF00, 0xFF, 0xFF000000 }, 0, row },
            { 0x102030, 0xFFFFFF } });
        cases.push_back({ "32-bit blue-green-red order", { 40, 2, 1, 32, 3, {}, { 0xFF, 0xFF00, 0xFF0000 }, 0, row }, { 0x302010, 0xFFFFFF } });
    }
    {
        // Ten bits a channel keep their top eight.
        std::vector<uint8_t> row;
        Put(row, (0x3FFu << 20) | (0x200u << 10) | 0x0FFu);
        cases.push_back({ "32-bit 10-10-10", { 56, 1, 1, 32, 3, {}, { 0x3FF00000, 0xFFC00, 0x3FF, 0 }, 0, row }, { 0xFF803F } });
    }
    {
        std::vector<uint8_t> rows = { 1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0 };  // two rows of two, padded
        cases.push_back({ "24-bit OS/2 1.x", { 12, 2, 2, 24, 0, {}, {}, 0, rows }, {} });
        cases.push_back({ "24-bit OS/2 2.x", { 64, 2, 2, 24, 0, {}, {}, 0, rows }, {} });
        cases.push_back({ "24-bit V5", { 124, 2, 2, 24, 0, {}, {}, 0, rows }, {} });
    }
    for (const Case& c : cases) {
        ImportedPicture imported = ImportPicture(MakeBmp(c.Layout));
        EXPECT_TRUE(imported.Converted()) << c.Name;
        if (c.Expected.empty()) {
            // Bottom-up 2x2: the second stored row is the top one.
            ExpectPixels(imported.Picture, { { 0x090807, 0x0C0B0A }, { 0x030201, 0x060504 } }, c.Name);
        } else {
            ExpectPixels(imported.Picture, { c.Expected }, c.Name);
        }
        ExpectStoredLayout(imported.Picture, 24);
    }
}

TEST(BitmapImport, TopDownDirectColourKeepsItsRowOrder)
{
    std::vector<uint8_t> rows = { 1, 2, 3, 0, 4, 5, 6, 0 };  // 1x2, rows padded to four bytes
    ImportedPicture imported = ImportPicture(MakeBmp({ 108, 1, -2, 24, 0, {}, {}, 0, rows }));
    ExpectPixels(imported.Picture, { { 0x030201 }, { 0x060504 } }, "top-down");
    EXPECT_NE(imported.ConvertedFrom.find("top-down"), std::string::npos);
}

TEST(BitmapImport, RleBitmapsDecodeRunsDeltasAndLineEnds)
{
    // RLE8, three rows, bottom-up. Row 0 (bottom): a run of 4 of index 1,
    // then an absolute run 2,3,2 (padded); a line end; a delta from (0,1) to
    // (2,2); a run of 2 of index 3; the end of the bitmap. Pixels the data
    // skips keep index 0.
    std::vector<uint8_t> rle8 = { 4, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1 };
    std::vector<uint32_t> table = { 0x000000, 0x0000FF, 0x00FF00, 0xFF0000 };
    BmpLayout s { 40, 6, 3, 8, 1, table };
    s.ClrUsed = 4;
    s.Data = rle8;
    // Row 0 is 4 + 3 = 7 pixels wide: one too many for a width of 6.
    EXPECT_THROW(ImportPicture(MakeBmp(s)), EInvalidGraphic);
    s.Width = 7;
    ImportedPicture imported = ImportPicture(MakeBmp(s));
    std::vector<std::vector<uint32_t>> expected = {
        { 0, 0, 0xFF0000, 0xFF0000, 0, 0, 0 },
        { 0, 0, 0, 0, 0, 0, 0 },
        { 0xFF, 0xFF, 0xFF, 0xFF, 0x00FF00, 0xFF0000, 0x00FF00 },
    };
    ExpectPixels(imported.Picture, expected, "RLE8");
    ExpectStoredLayout(imported.Picture, 8);
    EXPECT_NE(imported.ConvertedFrom.find("RLE8"), std::string::npos);

    // RLE4 5x2: row 0 a run of 5 alternating 1,2; row 1 an absolute run of
    // 3 nibbles 3,1,2 (two bytes) and a run of 2 of index 3; no end mark
    // after the last line end.
    BmpLayout s4 { 40, 5, 2, 4, 2, table };
    s4.ClrUsed = 4;
    s4.Data = { 5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 2, 0x33, 0, 0 };
    imported = ImportPicture(MakeBmp(s4));
    ExpectPixels(imported.Picture, { { 0xFF0000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000 }, { 0xFF, 0x00FF00, 0xFF, 0x00FF00, 0xFF } }, "RLE4");
    ExpectStoredLayout(imported.Picture, 8);
}

TEST(BitmapImport, PngImagesAreRecognisedByTheirContent)
{
    ImportedPicture rgb = ImportPicture(MakePng(2, 2, 8, 2, { { 1, 2, 3, 4, 5, 6 }, { 7, 8, 9, 10, 11, 12 } }));
    ExpectPixels(rgb.Picture, { { 0x010203, 0x040506 }, { 0x070809, 0x0A0B0C } }, "RGB");
    ExpectStoredLayout(rgb.Picture, 24);
    EXPECT_NE(rgb.ConvertedFrom.find("PNG"), std::string::npos);

    // Alpha is dropped: a fully transparent pixel keeps its colour.
    ImportedPicture rgba = ImportPicture(MakePng(2, 1, 8, 6, { { 1, 2, 3, 0, 200, 100, 50, 255 } }));
    ExpectPixels(rgba.Picture, { { 0x010203, 0xC86432 } }, "RGBA");
    ExpectStoredLayout(rgba.Picture, 24);

    // An empty image data chunk before the real one is allowed.
    std::vector<uint8_t> split = MakePng(1, 1, 8, 2, { { 1, 2, 3 } });
    std::vector<uint8_t> empty;
    test::Chunk(empty, "IDAT", {});
    split.insert(split.begin() + 8 + 25, empty.begin(), empty.end());
    ExpectPixels(ImportPicture(split).Picture, { { 0x010203 } }, "empty IDAT");

    // Sixteen bits a channel keep their high byte.
    ImportedPicture deep = ImportPicture(MakePng(1, 1, 16, 2, { { 0x12, 0xFF, 0x34, 0x00, 0x56, 0x80 } }));
    ExpectPixels(deep.Picture, { { 0x123456 } }, "16-bit RGB");
}

TEST(BitmapImport, PalettedAndGreyPngsKeepATable)
{
    std::vector<uint8_t> plte = { 255, 0, 0, 0, 255, 0, 0, 0, 255 };
    ImportedPicture pal = ImportPicture(MakePng(3, 1, 8, 3, { { 2, 0, 1 } }, plte));
    ExpectPixels(pal.Picture, { { 0x0000FF, 0xFF0000, 0x00FF00 } }, "palette");
    ExpectStoredLayout(pal.Picture, 8);
    EXPECT_EQ(pal.Picture.ColorTable, (std::vector<uint32_t> { 0xFF0000, 0x00FF00, 0x0000FF }));

    // A two-colour mask becomes 1 bit, whether paletted or grey.
    ImportedPicture mask = ImportPicture(MakePng(10, 1, 1, 3, { { 0b10110000, 0b01000000 } }, { 0, 0, 0, 255, 255, 255 }));
    ExpectPixels(mask.Picture, { { 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, 0, 0xFFFFFF } }, "1-bit palette");
    ExpectStoredLayout(mask.Picture, 1);
    ImportedPicture grey1 = ImportPicture(MakePng(3, 1, 1, 0, { { 0b01000000 } }));
    ExpectPixels(grey1.Picture, { { 0, 0xFFFFFF, 0 } }, "1-bit grey");
    ExpectStoredLayout(grey1.Picture, 1);

    ImportedPicture grey8 = ImportPicture(MakePng(2, 1, 8, 0, { { 0x40, 0xFE } }));
    ExpectPixels(grey8.Picture, { { 0x404040, 0xFEFEFE } }, "8-bit grey");
    ExpectStoredLayout(grey8.Picture, 8);
    EXPECT_EQ(grey8.Picture.ColorTable.size(), 256u);
}

TEST(BitmapImport, DamagedFilesAreRefused)
{
    auto rows24 = std::vector<uint8_t>(8, 7);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> bad;
    bad.emplace_back("not a picture", std::vector<uint8_t> { 'G', 'I', 'F', '8', '9', 'a' });
    bad.emplace_back("empty", std::vector<uint8_t> {});
    bad.emplace_back("BM only", std::vector<uint8_t> { 'B', 'M' });
    bad.emplace_back("header size 200", MakeBmp({ 40, 2, 1, 24, 0, {}, {}, 0, rows24 }));
    PutAt(bad.back().second, 14, 200);
    bad.emplace_back("header past the file", MakeBmp({ 124, 1, 1, 24, 0, {}, {}, 0, rows24 }));
    bad.back().second.resize(60);
    bad.emplace_back("width 0", MakeBmp({ 108, 0, 1, 24, 0, {}, {}, 0, rows24 }));
    bad.emplace_back("huge", MakeBmp({ 108, 16384, 16384, 32, 0, {}, {}, 0, rows24 }));
    bad.emplace_back("two planes", MakeBmp({ 108, 2, 1, 24, 0, {}, {}, 0, rows24 }));
    PutAt(bad.back().second, 26, 2, 2);
    bad.emplace_back("depth 7", MakeBmp({ 108, 2, 1, 7, 0, {}, {}, 0, rows24 }));
    bad.emplace_back("JPEG compression", MakeBmp({ 108, 2, 1, 24, 4, {}, {}, 0, rows24 }));
    bad.emplace_back("bit fields at 8 bits", MakeBmp({ 108, 2, 1, 8, 3, { 0 }, { 0xE0, 0x1C, 0x03, 0 }, 0, rows24 }));
    bad.emplace_back("mask of 0", MakeBmp({ 108, 2, 1, 32, 3, {}, { 0xFF0000, 0, 0xFF, 0 }, 0, rows24 }));
    bad.emplace_back("all masks 0", MakeBmp({ 40, 2, 1, 16, 3, {}, { 0, 0, 0 }, 0, rows24 }));
    bad.emplace_back("overlapping masks", MakeBmp({ 40, 2, 1, 32, 3, {}, { 0xFF0000, 0xFFFF00, 0xFF }, 0, rows24 }));
    bad.emplace_back("split mask", MakeBmp({ 40, 2, 1, 32, 3, {}, { 0xF0F000, 0xF00, 0xFF }, 0, rows24 }));
    bad.emplace_back("16-bit mask past 16 bits", MakeBmp({ 40, 2, 1, 16, 3, {}, { 0xF0000, 0xF00, 0xFF }, 0, rows24 }));
    bad.emplace_back("masks past the file", MakeBmp({ 40, 2, 1, 16, 3, {}, {}, 0, {} }));
    bad.emplace_back("rows past the file", MakeBmp({ 124, 3, 3, 24, 0, {}, {}, 0, rows24 }));
    bad.emplace_back("palette past the file", MakeBmp({ 108, 1, 1, 8, 0, { 0, 0 }, {}, 256, { 0, 0, 0, 0 } }));
    bad.emplace_back("core palette past the file", MakeBmp({ 12, 1, 1, 8, 0, {}, {}, 0, {} }));
    PutAt(bad.back().second, 10, 26 + 3 * 256);
    bad.emplace_back("offset into the headers", MakeBmp({ 124, 1, 1, 24, 0, {}, {}, 0, rows24 }));
    PutAt(bad.back().second, 10, 20);
    bad.emplace_back("top-down RLE", MakeBmp({ 40, 2, -1, 8, 1, { 0 }, {}, 1, { 2, 0, 0, 1 } }));
    bad.emplace_back("RLE4 at 8 bits", MakeBmp({ 40, 2, 1, 8, 2, { 0 }, {}, 1, { 2, 0, 0, 1 } }));
    bad.emplace_back("RLE run past the row", MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 3, 0, 0, 1 } }));
    bad.emplace_back("RLE absolute run past the row", MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 0, 3, 0, 0, 0, 0 } }));
    bad.emplace_back("RLE4 run past the row", MakeBmp({ 40, 3, 1, 4, 2, { 0 }, {}, 1, { 4, 0x11, 0, 1 } }));
    bad.emplace_back("RLE delta past the image", MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 0, 2, 0, 3, 0, 1 } }));
    bad.emplace_back("RLE line ends past the image", MakeBmp({ 40, 2, 1, 8, 1, { 0 }, {}, 1, { 0, 0, 0, 0, 2, 0 } }));
    bad.emplace_back("RLE data cut short", MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 2, 0, 0, 0, 1 } }));
    bad.emplace_back("RLE absolute run cut short", MakeBmp({ 40, 4, 1, 8, 1, { 0 }, {}, 1, { 0, 4, 0, 0 } }));
    bad.emplace_back("OS/2 Huffman", MakeBmp({ 64, 8, 1, 1, 3, { 0, 0xFFFFFF }, {}, 0, { 0, 0, 0, 0 } }));

    std::vector<uint8_t> rgb = { 1, 2, 3 };
    auto png = MakePng(1, 1, 8, 2, { rgb });
    bad.emplace_back("PNG cut short", std::vector<uint8_t>(png.begin(), png.end() - 20));
    bad.emplace_back("PNG without its header", std::vector<uint8_t>(png.begin(), png.begin() + 8));
    bad.emplace_back("PNG of 16384 x 16384 from a few bytes", MakePng(16384, 16384, 8, 2, { rgb }));
    bad.emplace_back("PNG of 4096 x 4096 from a few bytes", MakePng(4096, 4096, 8, 2, { rgb }));
    bad.emplace_back("PNG of 20000 pixels wide", MakePng(20000, 1, 8, 2, { rgb }));
    bad.emplace_back("PNG palette index past its palette", MakePng(2, 1, 8, 3, { { 0, 5 } }, { 1, 2, 3 }));
    bad.emplace_back("PNG palette without a palette", MakePng(1, 1, 8, 3, { { 0 } }));
    bad.emplace_back("PNG depth 3", MakePng(1, 1, 3, 0, { { 0 } }));
    auto lying = MakePng(1, 1, 8, 2, { rgb });
    lying[8 + 4 + 4 + 3] = 2;  // width 2 in the header, one pixel of data
    bad.emplace_back("PNG rows cut short", lying);

    for (const auto& [name, bytes] : bad) {
        try {
            ImportPicture(bytes);
            ADD_FAILURE() << name << ": accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_GT(std::string(e.what()).size(), 5u) << name;
        } catch (const std::exception& e) {
            ADD_FAILURE() << name << ": " << e.what();
        }
    }
}

TEST(BitmapImport, PixelLimitIsCheckedBeforeDecoding)
{
    ImportLimits small { 4 };
    EXPECT_THROW(ImportPicture(MakeBmp({ 40, 3, 2, 16, 0, {}, {}, 0, std::vector<uint8_t>(16, 0) }), small), EInvalidGraphic);
    EXPECT_THROW(ImportPicture(MakePng(5, 1, 8, 2, { std::vector<uint8_t>(15, 0) }), small), EInvalidGraphic);
    EXPECT_NO_THROW(ImportPicture(MakePng(4, 1, 8, 2, { std::vector<uint8_t>(12, 0) }), small));
}

} // namespace
} // namespace ventro

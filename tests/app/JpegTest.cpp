#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "base/ByteReader.h"
#include "base/Jpeg.h"

using namespace ventro;

static std::vector<uint8_t> ReadBanner()
{
    std::ifstream in(BANNER_JPEG, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Jpeg, TheBannerDecodesAt245By80)
{
    auto bytes = ReadBanner();
    ASSERT_FALSE(bytes.empty());
    PixelBuffer picture = DecodeJpeg(bytes);
    EXPECT_EQ(picture.Width(), 245);
    EXPECT_EQ(picture.Height(), 80);
    // The banner is a blue gradient: blue dominates in its corner.
    Color corner = picture.PixelAt(0, 0);
    EXPECT_GT(BlueOf(corner), RedOf(corner));
}

TEST(Jpeg, DamagedDataIsRefusedNotCrashed)
{
    auto bytes = ReadBanner();
    ASSERT_GT(bytes.size(), 200u);
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 150);
    EXPECT_THROW(DecodeJpeg(cut), FormatError);
    EXPECT_THROW(DecodeJpeg(std::vector<uint8_t> { 0xFF, 0xD8 }), FormatError);
    std::vector<uint8_t> garbage(1000, 0x41);
    EXPECT_THROW(DecodeJpeg(garbage), FormatError);
}

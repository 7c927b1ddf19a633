#include <gtest/gtest.h>

#include <algorithm>

#include "base/PixelBuffer.h"

using namespace ventro;

TEST(PixelBuffer, RowsArePaddedToFourBytesLikeADib)
{
    PixelBuffer b(5, 2);
    EXPECT_EQ(b.Stride(), 16);
    EXPECT_EQ(b.Bytes().size(), 32u);
    b.SetPixel(4, 1, Rgb(1, 2, 3));
    EXPECT_EQ(b.PixelAt(4, 1), Rgb(1, 2, 3));
    const uint8_t* row = b.Row(1);
    EXPECT_EQ(row[12], 3); // blue first
    EXPECT_EQ(row[14], 1);
}

TEST(PixelBuffer, ResizeBlackensWhatAResizeForOverwriteLeftToItsWriter)
{
    PixelBuffer b;
    b.ResizeForOverwrite(5, 2);
    ASSERT_EQ(b.Bytes().size(), 32u);
    EXPECT_EQ(b.Width(), 5);
    std::fill(b.Row(0), b.Row(0) + 32, uint8_t(0xA5));
    b.Resize(5, 2);
    EXPECT_EQ(std::count(b.Bytes().begin(), b.Bytes().end(), 0), 32);
    b.ResizeForOverwrite(0, 2);
    EXPECT_TRUE(b.IsEmpty());
}

TEST(PixelBuffer, NonPositiveSizesGiveAnEmptyBuffer)
{
    for (auto [w, h] : { std::pair { 0, 5 }, { 5, 0 }, { -1, 3 }, { 3, -7 } }) {
        PixelBuffer b(w, h);
        EXPECT_TRUE(b.IsEmpty());
        EXPECT_TRUE(b.View().IsEmpty());
        EXPECT_THROW(b.Row(0), std::out_of_range);
    }
}

TEST(PixelBuffer, RowAndColumnAccessIsBoundsChecked)
{
    PixelBuffer b(3, 3);
    EXPECT_THROW(b.Row(3), std::out_of_range);
    EXPECT_THROW(b.Row(-1), std::out_of_range);
    EXPECT_THROW(b.PixelAt(3, 0), std::out_of_range);
    EXPECT_THROW(b.SetPixel(-1, 0, 0), std::out_of_range);
}

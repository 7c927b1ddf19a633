#include <gtest/gtest.h>

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

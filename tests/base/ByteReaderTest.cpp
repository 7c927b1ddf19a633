#include <gtest/gtest.h>

#include <vector>

#include "base/ByteReader.h"

using namespace ventro;

TEST(ByteReader, ReadsLittleEndianAndStopsAtTheEnd)
{
    std::vector<uint8_t> bytes { 0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x10 };
    ByteReader r(bytes);
    EXPECT_EQ(r.U32(), 0x04030201u);
    EXPECT_EQ(r.I32(), -1);
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_THROW(r.U16(), FormatError);
    EXPECT_EQ(r.Position(), 8u); // a failed read consumes nothing
    EXPECT_EQ(r.U8(), 0x10);
    EXPECT_THROW(r.U8(), FormatError);
}

TEST(ByteReader, HugeCountsAndSeeksAreRefused)
{
    std::vector<uint8_t> bytes(4);
    ByteReader r(bytes);
    EXPECT_THROW(r.Take(SIZE_MAX), FormatError);
    EXPECT_THROW(r.Seek(5), FormatError);
    r.Seek(4);
    EXPECT_EQ(r.Remaining(), 0u);
}

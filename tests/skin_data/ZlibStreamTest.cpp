// The zlib stream wrappers: round trips, the level-9 header, the read, write
// and seek rules, and refusal of broken or oversized streams.
#include <gtest/gtest.h>

#include <zlib.h>

#include "skin/data/Adler32.h"
#include "skin/data/SkinStream.h"
#include "skin/data/ZlibStream.h"

namespace ventro {
namespace {

std::vector<uint8_t> Pattern(size_t n)
{
    std::vector<uint8_t> v(n);
    uint32_t s = 12345;
    for (size_t i = 0; i < n; ++i) {
        s = s * 1103515245u + 12345u;
        v[i] = uint8_t((i % 7 == 0) ? (s >> 16) : (i & 0x3F));
    }
    return v;
}

TEST(ZlibStream, CompressStreamWritesALevelNineZlibStreamThatInflatesBack)
{
    auto data = Pattern(100000);
    auto compressed = CompressBytes(data);
    ASSERT_GE(compressed.size(), 2u);
    EXPECT_EQ(compressed[0], 0x78);
    EXPECT_EQ(compressed[1], 0xDA);
    EXPECT_LT(compressed.size(), data.size());
    EXPECT_EQ(InflateBytes(compressed), data);
}

TEST(ZlibStream, DecompressStreamAppendsToTheDestination)
{
    auto data = Pattern(5000);
    TMemoryStream source(CompressBytes(data));
    TMemoryStream destination(std::vector<uint8_t> { 1, 2, 3 });
    destination.Seek(0, SeekOrigin::End);
    DecompressStream(destination, source);
    ASSERT_EQ(destination.Bytes().size(), 5003u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), destination.Bytes().begin() + 3));
}

TEST(ZlibStream, CompressionStreamRefusesReadsAndSeeksButReportsInputTaken)
{
    TMemoryStream out;
    TCompressionStream z(TCompressionLevel::clMax, out);
    uint8_t buffer[10] = {};
    z.WriteBuffer(buffer, 10);
    EXPECT_EQ(z.Seek(0, SeekOrigin::Current), 10);
    EXPECT_THROW(z.Read(buffer, 1), ECompressionError);
    EXPECT_THROW(z.Seek(1, SeekOrigin::Current), ECompressionError);
    EXPECT_THROW(z.Seek(0, SeekOrigin::Beginning), ECompressionError);
    try {
        z.Read(buffer, 1);
    } catch (const EZlibError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
}

TEST(ZlibStream, CompressionStreamFiresProgressPerFullBufferAndFlushesOnDestruction)
{
    auto data = Pattern(200000);
    TMemoryStream out;
    int progress = 0;
    {
        TCompressionStream z(TCompressionLevel::clNone, out);
        z.OnProgress = [&](TCustomZlibStream&) { ++progress; };
        z.WriteBuffer(data.data(), int64_t(data.size()));
    }
    // Stored blocks do not shrink the data, so many 4096-byte buffers filled.
    EXPECT_GE(progress, int(data.size() / 4096) - 1);
    EXPECT_EQ(InflateBytes(out.Bytes()), data);
}

TEST(ZlibStream, CompressionStreamPutsTheDestinationBackWhereItLastWrote)
{
    auto data = Pattern(20000);
    TMemoryStream out;
    {
        TCompressionStream z(TCompressionLevel::clDefault, out);
        z.WriteBuffer(data.data(), 10000);
        out.SetPosition(0);
        z.WriteBuffer(data.data() + 10000, 10000);
    }
    EXPECT_EQ(InflateBytes(out.Bytes()), data);
}

TEST(ZlibStream, DecompressionStreamRefusesWritesAndBackwardSeeks)
{
    auto data = Pattern(30000);
    TMemoryStream source(CompressBytes(data));
    TDecompressionStream z(source);
    uint8_t buffer[100];
    EXPECT_THROW(z.Write(buffer, 1), EDecompressionError);
    EXPECT_EQ(z.Seek(5000, SeekOrigin::Current), 5000);
    ASSERT_EQ(z.Read(buffer, 100), 100);
    EXPECT_TRUE(std::equal(buffer, buffer + 100, data.begin() + 5000));
    EXPECT_EQ(z.Seek(6000, SeekOrigin::Beginning), 6000);
    EXPECT_THROW(z.Seek(10, SeekOrigin::Beginning), EDecompressionError);
    EXPECT_THROW(z.Seek(-1, SeekOrigin::Current), EDecompressionError);
    EXPECT_THROW(z.Seek(0, SeekOrigin::End), EDecompressionError);
    // Offset 0 from the start rewinds everything.
    EXPECT_EQ(z.Seek(0, SeekOrigin::Beginning), 0);
    ASSERT_EQ(z.Read(buffer, 100), 100);
    EXPECT_TRUE(std::equal(buffer, buffer + 100, data.begin()));
}

TEST(ZlibStream, DecompressionStreamReadsFromTheSourcePositionAtCreation)
{
    auto compressed = CompressBytes(Pattern(1000));
    std::vector<uint8_t> prefixed { 9, 9, 9 };
    prefixed.insert(prefixed.end(), compressed.begin(), compressed.end());
    TMemoryStream source(prefixed);
    source.SetPosition(3);
    TDecompressionStream z(source);
    std::vector<uint8_t> out(1000);
    EXPECT_EQ(z.Read(out.data(), 1000), 1000);
    EXPECT_EQ(out, Pattern(1000));
}

TEST(ZlibStream, BrokenStreamsAreCompressionErrorsNotHangs)
{
    auto compressed = CompressBytes(Pattern(50000));
    // Cut short: the stream ends before its end marker.
    std::vector<uint8_t> truncated(compressed.begin(), compressed.begin() + long(compressed.size() / 2));
    EXPECT_THROW(InflateBytes(truncated), EDecompressionError);
    // Not zlib at all.
    EXPECT_THROW(InflateBytes(std::vector<uint8_t> { 1, 2, 3, 4, 5, 6 }), EDecompressionError);
    // A stream that asks for a preset dictionary (FDICT set in the header).
    EXPECT_THROW(InflateBytes(std::vector<uint8_t> { 0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00 }), EDecompressionError);
    // Empty input.
    EXPECT_THROW(InflateBytes(std::vector<uint8_t> {}), EDecompressionError);
    try {
        InflateBytes(truncated);
    } catch (const EZlibError& e) {
        EXPECT_STREQ(e.what(), "compression error");
    }
}

TEST(ZlibStream, BytesAfterTheEndMarkerAreIgnored)
{
    auto data = Pattern(3000);
    auto compressed = CompressBytes(data);
    compressed.insert(compressed.end(), 5000, 0xAB);
    EXPECT_EQ(InflateBytes(compressed), data);
}

TEST(ZlibStream, InflatingBeyondTheCapIsRefused)
{
    TMemoryStream source(CompressBytes(std::vector<uint8_t>(200000, 0)));
    TMemoryStream destination;
    EXPECT_THROW(DecompressStream(destination, source, 100000), EDecompressionError);
    EXPECT_LE(destination.Bytes().size(), 100000u);
}


TEST(Adler32, TheFastChecksumEqualsTheBytewiseOneAndZlibs)
{
    auto agree = [](std::span<const uint8_t> bytes, uint32_t start) {
        uint32_t expected = uint32_t(adler32(start, bytes.data(), uInt(bytes.size())));
        EXPECT_EQ(Adler32Bytewise(start, bytes), expected) << bytes.size();
        EXPECT_EQ(Adler32(start, bytes), expected) << bytes.size();
    };
    auto data = Pattern(70000);
    for (size_t n = 0; n <= 300; ++n)
        agree({ data.data() + 3, n }, 1);
    // Block edges of the 5552-byte runs, all-0xFF runs (the largest sums), and
    // a checksum continued from a running value.
    std::vector<uint8_t> ones(70000, 0xFF);
    for (size_t n : { 5535u, 5536u, 5551u, 5552u, 5553u, 11104u, 11105u, 69999u, 70000u }) {
        agree({ data.data(), n }, 1);
        agree({ ones.data(), n }, 1);
        agree({ ones.data(), n }, 0xFFF0FFF0u);
    }
}

// The whole-buffer inflater must reach the same outcome as the stream helper,
// for every stream, broken ones included.
void ExpectSameOutcome(std::span<const uint8_t> compressed, size_t hint, int64_t cap = MaxInflatedSize)
{
    std::vector<uint8_t> viaStream;
    bool streamFailed = false;
    try {
        TMemoryStream source(compressed);
        TMemoryStream destination;
        DecompressStream(destination, source, cap);
        viaStream = destination.Bytes();
    } catch (const EDecompressionError&) {
        streamFailed = true;
    }
    try {
        std::vector<uint8_t> viaBuffer = DecompressBuffer(compressed, hint, cap);
        EXPECT_FALSE(streamFailed) << "size " << compressed.size();
        EXPECT_EQ(viaBuffer, viaStream);
    } catch (const EDecompressionError& e) {
        EXPECT_TRUE(streamFailed) << "size " << compressed.size();
        EXPECT_STREQ(e.what(), "compression error");
    }
}

TEST(ZlibStream, DecompressBufferMatchesDecompressStreamOnGoodAndBrokenStreams)
{
    auto data = Pattern(20000);
    auto compressed = CompressBytes(data);
    for (size_t hint : { 0u, 1u, 4095u, 20000u, 1000000u })
        EXPECT_EQ(DecompressBuffer(compressed, hint), data) << hint;
    // Every cut, every single flipped bit of a small stream.
    auto small = CompressBytes(Pattern(300));
    for (size_t cut = 0; cut <= small.size(); ++cut)
        ExpectSameOutcome({ small.data(), cut }, 64);
    for (size_t i = 0; i < small.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            auto damaged = small;
            damaged[i] ^= uint8_t(1 << bit);
            ExpectSameOutcome(damaged, 64);
        }
    // Header variants: a smaller window, an unknown method, a bad check, a
    // preset dictionary; bytes after the checksum are left alone.
    for (auto header : { std::array<uint8_t, 2> { 0x08, 0x1D }, std::array<uint8_t, 2> { 0x79, 0x9C },
             std::array<uint8_t, 2> { 0x78, 0x9D }, std::array<uint8_t, 2> { 0x78, 0xBB }, std::array<uint8_t, 2> { 0x88, 0x98 } }) {
        auto variant = small;
        variant[0] = header[0];
        variant[1] = header[1];
        ExpectSameOutcome(variant, 64);
    }
    auto padded = small;
    padded.insert(padded.end(), { 1, 2, 3 });
    ExpectSameOutcome(padded, 64);
    EXPECT_EQ(DecompressBuffer(padded, 64), Pattern(300));
}

TEST(ZlibStream, DecompressBufferKeepsTheCapExactly)
{
    auto compressed = CompressBytes(std::vector<uint8_t>(100000, 7));
    EXPECT_EQ(DecompressBuffer(compressed, 16, 100000).size(), 100000u);
    EXPECT_THROW(DecompressBuffer(compressed, 16, 99999), EDecompressionError);
    EXPECT_THROW(DecompressBuffer(compressed, 1000000, 99999), EDecompressionError);
    ExpectSameOutcome(compressed, 16, 99999);
    ExpectSameOutcome(compressed, 16, 100000);
}

} // namespace
} // namespace ventro

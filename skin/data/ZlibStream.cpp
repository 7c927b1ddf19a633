// Stream wrappers over zlib.
#include "skin/data/ZlibStream.h"

#include <algorithm>
#include <cstring>
#include <zlib.h>

#include "skin/data/Adler32.h"

namespace ventro {

struct ZlibState {
    z_stream Z {};
};

namespace {

constexpr const char* InvalidOperation = "Invalid stream operation";

int LevelValue(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::clNone: return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest: return Z_BEST_SPEED;
    case TCompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax: return Z_BEST_COMPRESSION;
    }
    return Z_DEFAULT_COMPRESSION;
}

int CCheck(int code)
{
    if (code < 0)
        throw ECompressionError("error");
    return code;
}

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream& stream)
    : m_stream(stream)
    , m_streamPos(stream.Position())
    , m_z(std::make_unique<ZlibState>())
{
}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(*this);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& destination)
    : TCustomZlibStream(destination)
{
    m_z->Z.next_out = m_buffer;
    m_z->Z.avail_out = sizeof m_buffer;
    CCheck(deflateInit(&m_z->Z, LevelValue(level)));
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (...) {
        // A destructor must not throw; Finish was the place to see the error.
    }
    if (!m_finished)
        deflateEnd(&m_z->Z);
}

void TCompressionStream::WriteBufferOut(size_t bytes)
{
    m_stream.WriteBuffer(m_buffer, int64_t(bytes));
    m_z->Z.next_out = m_buffer;
    m_z->Z.avail_out = sizeof m_buffer;
    m_streamPos = m_stream.Position();
}

void TCompressionStream::Finish()
{
    if (m_finished)
        return;
    struct EndGuard {
        TCompressionStream& s;
        ~EndGuard() { deflateEnd(&s.m_z->Z); s.m_finished = true; }
    } guard { *this };
    if (m_stream.Position() != m_streamPos)
        m_stream.SetPosition(m_streamPos);
    m_z->Z.next_in = nullptr;
    m_z->Z.avail_in = 0;
    while (CCheck(deflate(&m_z->Z, Z_FINISH)) != Z_STREAM_END && m_z->Z.avail_out == 0)
        WriteBufferOut(sizeof m_buffer);
    if (m_z->Z.avail_out < sizeof m_buffer)
        WriteBufferOut(sizeof m_buffer - m_z->Z.avail_out);
}

int64_t TCompressionStream::Read(void*, int64_t)
{
    throw ECompressionError(InvalidOperation);
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count)
{
    if (m_finished)
        throw ECompressionError(InvalidOperation);
    const uint8_t* in = static_cast<const uint8_t*>(buffer);
    int64_t left = count;
    if (m_stream.Position() != m_streamPos)
        m_stream.SetPosition(m_streamPos);
    while (left > 0) {
        uInt chunk = uInt(std::min<int64_t>(left, 1 << 30));
        m_z->Z.next_in = const_cast<Bytef*>(in);
        m_z->Z.avail_in = chunk;
        while (m_z->Z.avail_in > 0) {
            CCheck(deflate(&m_z->Z, Z_NO_FLUSH));
            if (m_z->Z.avail_out == 0) {
                WriteBufferOut(sizeof m_buffer);
                Progress();
            }
        }
        in += chunk;
        left -= chunk;
    }
    return count;
}

int64_t TCompressionStream::Seek(int64_t offset, SeekOrigin origin)
{
    if (offset == 0 && origin == SeekOrigin::Current)
        return int64_t(m_z->Z.total_in);
    throw ECompressionError(InvalidOperation);
}

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source)
{
    m_z->Z.next_in = m_buffer;
    m_z->Z.avail_in = 0;
    if (inflateInit(&m_z->Z) != Z_OK)
        throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&m_z->Z);
}

// Unlike a plain "read until the source is dry" loop, a stream that ends
// before its end marker, needs a preset dictionary or cannot make progress
// is an error, and nothing is read past the end marker.
int64_t TDecompressionStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || m_ended)
        return 0;
    if (m_stream.Position() != m_streamPos)
        m_stream.SetPosition(m_streamPos);
    uint8_t* out = static_cast<uint8_t*>(buffer);
    int64_t produced = 0;
    while (produced < count) {
        uInt room = uInt(std::min<int64_t>(count - produced, 1 << 30));
        m_z->Z.next_out = out + produced;
        m_z->Z.avail_out = room;
        while (m_z->Z.avail_out > 0) {
            if (m_z->Z.avail_in == 0) {
                int64_t got = m_stream.Read(m_buffer, sizeof m_buffer);
                m_streamPos = m_stream.Position();
                if (got <= 0)
                    throw EDecompressionError("compression error");
                m_z->Z.next_in = m_buffer;
                m_z->Z.avail_in = uInt(got);
                Progress();
            }
            uInt before = m_z->Z.avail_out;
            uInt inBefore = m_z->Z.avail_in;
            int code = inflate(&m_z->Z, Z_NO_FLUSH);
            if (code == Z_STREAM_END) {
                m_ended = true;
                return produced + (room - m_z->Z.avail_out);
            }
            if (code != Z_OK && code != Z_BUF_ERROR)
                throw EDecompressionError("compression error");
            if (m_z->Z.avail_out == before && m_z->Z.avail_in == inBefore)
                throw EDecompressionError("compression error");
        }
        produced += room;
    }
    return produced;
}

int64_t TDecompressionStream::Write(const void*, int64_t)
{
    throw EDecompressionError(InvalidOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, SeekOrigin origin)
{
    int64_t done = int64_t(m_z->Z.total_out);
    int64_t skip;
    if (offset == 0 && origin == SeekOrigin::Beginning) {
        if (inflateReset(&m_z->Z) != Z_OK)
            throw EDecompressionError("compression error");
        m_z->Z.next_in = m_buffer;
        m_z->Z.avail_in = 0;
        m_ended = false;
        m_stream.SetPosition(0);
        m_streamPos = 0;
        return 0;
    } else if (origin == SeekOrigin::Current && offset >= 0) {
        skip = offset;
    } else if (origin == SeekOrigin::Beginning && offset > done) {
        skip = offset - done;
    } else {
        throw EDecompressionError(InvalidOperation);
    }
    uint8_t scratch[4096];
    while (skip > 0) {
        int64_t n = Read(scratch, std::min<int64_t>(skip, sizeof scratch));
        if (n == 0)
            break;
        skip -= n;
    }
    return int64_t(m_z->Z.total_out);
}

void CompressStream(TStream& source, TStream& destination)
{
    source.SetPosition(0);
    TCompressionStream compressor(TCompressionLevel::clMax, destination);
    uint8_t buffer[4096];
    for (;;) {
        int64_t n = source.Read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        compressor.WriteBuffer(buffer, n);
    }
    compressor.Finish();
}

void DecompressStream(TStream& destination, TStream& source, int64_t maxOutput)
{
    source.SetPosition(0);
    TDecompressionStream decompressor(source);
    uint8_t buffer[4096];
    int64_t total = 0;
    for (;;) {
        int64_t n = decompressor.Read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        total += n;
        if (total > maxOutput)
            throw EDecompressionError("compression error");
        destination.WriteBuffer(buffer, n);
    }
}

namespace {

[[noreturn]] void CompressionError() { throw EDecompressionError("compression error"); }

// The two header bytes: deflate, a window of at most 32 KiB, the header check,
// and no preset dictionary (which this reader cannot supply). Inflating the
// data raw with the largest window then behaves as inflating the whole stream.
void CheckZlibHeader(std::span<const uint8_t> in)
{
    if (in.size() < 2)
        CompressionError();
    uint8_t method = in[0];
    uint8_t flags = in[1];
    if ((method & 0x0F) != Z_DEFLATED || (method >> 4) > 7 || ((method << 8) | flags) % 31 != 0 || (flags & 0x20))
        CompressionError();
}

} // namespace

TZlibReader::TZlibReader(std::span<const uint8_t> compressed, int64_t maxOutput)
    : m_in(compressed.data())
    , m_inLeft(compressed.size())
    , m_max(uint64_t(std::max<int64_t>(maxOutput, 0)))
{
    CheckZlibHeader(compressed);
    m_in += 2;
    m_inLeft -= 2;
    auto z = std::make_unique<ZlibState>();
    if (inflateInit2(&z->Z, -MAX_WBITS) != Z_OK)
        CompressionError();
    m_z = std::move(z);
}

TZlibReader::~TZlibReader()
{
    if (m_z)
        inflateEnd(&m_z->Z);
}

size_t TZlibReader::Read(uint8_t* out, size_t count)
{
    z_stream& z = m_z->Z;
    size_t done = 0;
    while (done < count && !m_ended) {
        if (z.avail_in == 0 && m_inLeft > 0) {
            z.next_in = const_cast<Bytef*>(m_in);
            z.avail_in = uInt(std::min<size_t>(m_inLeft, 1u << 30));
            m_in += z.avail_in;
            m_inLeft -= z.avail_in;
        }
        // One byte beyond the cap tells an over-long stream from one that fits.
        const uInt room = uInt(std::min<uint64_t>({ count - done, m_max + 1 - m_produced, 1u << 30 }));
        const uInt inBefore = z.avail_in;
        z.next_out = out + done;
        z.avail_out = room;
        const int code = inflate(&z, Z_NO_FLUSH);
        const size_t got = room - z.avail_out;
        m_adler = Adler32(m_adler, { out + done, got });
        done += got;
        m_produced += got;
        if (m_produced > m_max)
            CompressionError();
        if (code == Z_STREAM_END) {
            CheckTrailer();
            m_ended = true;
        } else if ((code != Z_OK && code != Z_BUF_ERROR) || (got == 0 && z.avail_in == inBefore)) {
            CompressionError();
        }
    }
    return done;
}

void TZlibReader::CheckTrailer()
{
    // The checksum follows the deflate data, most significant byte first.
    const z_stream& z = m_z->Z;
    const uint8_t* in = z.next_in;
    if (size_t(z.avail_in) + m_inLeft < 4)
        CompressionError();
    uint8_t b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = i < int(z.avail_in) ? in[i] : m_in[i - int(z.avail_in)];
    const uint32_t stored = (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3];
    if (m_adler != stored)
        CompressionError();
}

void TZlibReader::Drain()
{
    uint8_t scratch[4096];
    while (!m_ended)
        Read(scratch, sizeof scratch);
}

std::vector<uint8_t> DecompressBuffer(std::span<const uint8_t> compressed, size_t sizeHint, int64_t maxOutput)
{
    TZlibReader reader(compressed, maxOutput);
    const size_t limit = size_t(std::max<int64_t>(maxOutput, 0)) + 1;
    std::vector<uint8_t> out(std::clamp<size_t>(sizeHint, 1, limit));
    size_t produced = 0;
    for (;;) {
        produced += reader.Read(out.data() + produced, out.size() - produced);
        if (reader.Ended())
            break;
        out.resize(std::min(limit, out.size() * 2));
    }
    out.resize(produced);
    return out;
}

} // namespace ventro

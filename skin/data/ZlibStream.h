// Stream wrappers over zlib: a write-only compressing stream, a read-only
// decompressing stream, their errors, and whole-stream helpers.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "skin/data/ByteSource.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/Stream.h"

namespace ventro {

class EZlibError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

struct ZlibState;

class TCustomZlibStream : public TStream {
public:
    std::function<void(TCustomZlibStream&)> OnProgress;
    ~TCustomZlibStream() override;

protected:
    explicit TCustomZlibStream(TStream& stream);
    void Progress();

    TStream& m_stream;
    int64_t m_streamPos = 0;
    std::unique_ptr<ZlibState> m_z;
    uint8_t m_buffer[4096];
};

class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, TStream& destination);
    // Finishes the deflate stream if Finish was not called; errors are dropped
    // here, so callers that care call Finish themselves.
    ~TCompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    // Flushes all pending output to the destination and ends the deflate state.
    void Finish();

private:
    void WriteBufferOut(size_t bytes);
    bool m_finished = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

private:
    bool m_ended = false;
};

// Rewinds source and compresses all of it at the maximum level into destination.
void CompressStream(TStream& source, TStream& destination);
// Rewinds source and appends its inflated bytes to destination; more than
// maxOutput inflated bytes raise EDecompressionError.
void DecompressStream(TStream& destination, TStream& source, int64_t maxOutput = MaxInflatedSize);

// A zlib stream held in memory, inflated as it is read: each Read inflates
// straight into the caller's buffer. The outcome is DecompressStream's over
// the same bytes: EDecompressionError ("compression error") for a bad
// header, a preset dictionary, damaged or missing data, a wrong checksum
// (checked, sixteen bytes at a time, when the end is reached) or more than
// maxOutput bytes in all.
class TZlibReader final : public ByteSource {
public:
    explicit TZlibReader(std::span<const uint8_t> compressed, int64_t maxOutput = MaxInflatedSize);
    ~TZlibReader() override;
    TZlibReader(const TZlibReader&) = delete;
    TZlibReader& operator=(const TZlibReader&) = delete;

    size_t Read(uint8_t* out, size_t count) override;
    // The bytes the cap still allows.
    uint64_t MostLeft() const override { return m_max - m_produced; }
    // The end marker was reached and the checksum held.
    bool Ended() const { return m_ended; }
    // Reads (and checks) whatever is left, dropping it.
    void Drain();

private:
    void CheckTrailer();

    std::unique_ptr<ZlibState> m_z;
    const uint8_t* m_in;
    size_t m_inLeft;
    uint64_t m_max;
    uint64_t m_produced = 0;
    uint32_t m_adler = 1;
    bool m_ended = false;
};

// Inflates a whole zlib stream held in memory into one buffer (sized first
// by sizeHint, grown as needed), with the outcome of TZlibReader.
std::vector<uint8_t> DecompressBuffer(std::span<const uint8_t> compressed, size_t sizeHint, int64_t maxOutput = MaxInflatedSize);

} // namespace ventro

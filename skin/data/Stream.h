// Byte streams with a position: the abstract stream the zlib wrappers sit on,
// and a growable memory stream.
#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ventro {

class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class SeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to count bytes and returns how many were read.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    // Writes count bytes and returns how many were written.
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves the position and returns the new one.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t pos) { Seek(pos, SeekOrigin::Beginning); }
    int64_t Size();

    // Read or write exactly count bytes, or throw EStreamError.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    int32_t ReadInt32();
    void WriteInt32(int32_t value);
    // Copies exactly count bytes from source's position; a count of 0 copies nothing.
    int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) { }
    explicit TMemoryStream(std::span<const uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) { }

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    void Clear() { m_bytes.clear(); m_pos = 0; }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t>& Bytes() { return m_bytes; }
    std::span<const uint8_t> Span() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
    int64_t m_pos = 0;
};

// Refuses (EStreamError) a file larger than maxBytes before reading it.
std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxBytes = uint64_t(1) << 30);
void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

} // namespace ventro

// A bounded little-endian reader over a byte span: every read is checked
// against the bytes really there and fails with a literal message.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>

namespace ventro {

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : m_bytes(bytes) { }

    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_bytes.size() - m_pos; }
    size_t Size() const { return m_bytes.size(); }

    void Seek(size_t pos)
    {
        if (pos > m_bytes.size())
            throw FormatError("seek past the end of the data");
        m_pos = pos;
    }
    void Skip(size_t count) { Take(count); }

    std::span<const uint8_t> Take(size_t count)
    {
        if (count > Remaining())
            throw FormatError("unexpected end of data");
        auto out = m_bytes.subspan(m_pos, count);
        m_pos += count;
        return out;
    }
    uint8_t U8() { return Take(1)[0]; }
    uint16_t U16() { auto b = Take(2); return uint16_t(b[0] | (b[1] << 8)); }
    uint32_t U32()
    {
        auto b = Take(4);
        return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    }
    int32_t I32() { return int32_t(U32()); }
    int64_t I64()
    {
        uint64_t lo = U32();
        uint64_t hi = U32();
        return int64_t(lo | (hi << 32));
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

} // namespace ventro

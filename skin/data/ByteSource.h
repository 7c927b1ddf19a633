// Sources that decoders read in pieces, straight into the buffers the decoded
// values keep: bytes in memory, or a zlib stream inflated as it is read
// (TZlibReader), so a stored skin goes from its compressed bytes into its
// pictures and its text without a copy of the whole stream in between.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace ventro {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Gives up to count bytes into out; fewer only where the source ends.
    virtual size_t Read(uint8_t* out, size_t count) = 0;
    // At least as many bytes as the source can still give (exact for memory).
    virtual uint64_t MostLeft() const = 0;
};

class SpanSource final : public ByteSource {
public:
    explicit SpanSource(std::span<const uint8_t> bytes) : m_bytes(bytes) { }

    size_t Read(uint8_t* out, size_t count) override
    {
        const size_t n = std::min(count, m_bytes.size() - m_pos);
        if (n > 0)
            std::memcpy(out, m_bytes.data() + m_pos, n);
        m_pos += n;
        return n;
    }
    uint64_t MostLeft() const override { return m_bytes.size() - m_pos; }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

} // namespace ventro

// Byte streams with a position.
#include "skin/data/Stream.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace ventro {

int64_t TStream::Size()
{
    int64_t pos = Position();
    int64_t end = Seek(0, SeekOrigin::End);
    Seek(pos, SeekOrigin::Beginning);
    return end;
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EStreamError("Stream write error");
}

int32_t TStream::ReadInt32()
{
    uint8_t b[4];
    ReadBuffer(b, 4);
    return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
}

void TStream::WriteInt32(int32_t value)
{
    uint32_t v = uint32_t(value);
    uint8_t b[4] = { uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24) };
    WriteBuffer(b, 4);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    int64_t total = count;
    uint8_t buffer[4096];
    while (count > 0) {
        int64_t n = std::min<int64_t>(count, sizeof buffer);
        source.ReadBuffer(buffer, n);
        WriteBuffer(buffer, n);
        count -= n;
    }
    return total;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || m_pos >= int64_t(m_bytes.size()))
        return 0;
    int64_t n = std::min<int64_t>(count, int64_t(m_bytes.size()) - m_pos);
    std::memcpy(buffer, m_bytes.data() + m_pos, size_t(n));
    m_pos += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    int64_t end = m_pos + count;
    const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
    if (m_pos == int64_t(m_bytes.size())) {
        m_bytes.insert(m_bytes.end(), bytes, bytes + count);  // appending: no zero fill first
    } else {
        if (end > int64_t(m_bytes.size()))
            m_bytes.resize(size_t(end));
        std::memcpy(m_bytes.data() + m_pos, buffer, size_t(count));
    }
    m_pos = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin)
{
    int64_t base = origin == SeekOrigin::Beginning ? 0 : origin == SeekOrigin::Current ? m_pos : int64_t(m_bytes.size());
    int64_t pos = base + offset;
    if (pos < 0)
        throw EStreamError("Stream seek error");
    m_pos = pos;
    return m_pos;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxBytes)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw EStreamError("Cannot open file \"" + path + "\"");
    std::streamoff size = in.tellg();
    if (size < 0)
        throw EStreamError("Cannot read file \"" + path + "\"");
    if (uint64_t(size) > maxBytes)
        throw EStreamError("File \"" + path + "\" is too large");
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size)
        throw EStreamError("Stream read error");
    return bytes;
}

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EStreamError("Cannot create file \"" + path + "\"");
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw EStreamError("Stream write error");
}

} // namespace ventro

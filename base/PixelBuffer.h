// 24-bit pixel buffers, rows top-down, bytes blue, green, red. Rows are padded
// to four bytes, as in a device-independent bitmap, so a buffer can be blitted
// or wrap a DIB section's bits without conversion.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "base/Color.h"

namespace ventro {

constexpr int64_t RowStride24(int64_t width) { return (width * 3 + 3) & ~int64_t(3); }

// A non-owning view of 24-bit pixels; a zero or negative size is an empty view.
class PixelView {
public:
    PixelView() = default;
    PixelView(uint8_t* bits, int32_t width, int32_t height, int64_t stride)
        : m_bits(bits), m_width(width), m_height(height), m_stride(stride) { }

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    int64_t Stride() const { return m_stride; }
    bool IsEmpty() const { return m_bits == nullptr || m_width <= 0 || m_height <= 0; }
    uint8_t* Bits() const { return m_bits; }

    // Bounds-checked row access; throws std::out_of_range outside the rows.
    uint8_t* Row(int32_t y) const
    {
        if (IsEmpty() || y < 0 || y >= m_height)
            throw std::out_of_range("pixel row out of range");
        return m_bits + int64_t(y) * m_stride;
    }
    // Unchecked row access for loops whose bounds are already established.
    uint8_t* RowUnchecked(int32_t y) const { return m_bits + int64_t(y) * m_stride; }

    Color PixelAt(int32_t x, int32_t y) const
    {
        if (x < 0 || x >= m_width)
            throw std::out_of_range("pixel column out of range");
        const uint8_t* p = Row(y) + int64_t(x) * 3;
        return Rgb(p[2], p[1], p[0]);
    }
    void SetPixel(int32_t x, int32_t y, Color c) const
    {
        if (x < 0 || x >= m_width)
            throw std::out_of_range("pixel column out of range");
        uint8_t* p = Row(y) + int64_t(x) * 3;
        p[0] = BlueOf(c);
        p[1] = GreenOf(c);
        p[2] = RedOf(c);
    }

private:
    uint8_t* m_bits = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int64_t m_stride = 0;
};

// Makes the elements a container grows by without a value (no zeroing), for
// buffers whose every byte is written right after.
template <typename T>
struct AllocatorForOverwrite : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = AllocatorForOverwrite<U>;
    };
    AllocatorForOverwrite() = default;
    template <typename U>
    AllocatorForOverwrite(const AllocatorForOverwrite<U>&) noexcept
    {
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        if constexpr (sizeof...(Args) == 0)
            ::new (static_cast<void*>(p)) U;
        else
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// An owning 24-bit buffer. Sizes of 0 or less give an empty buffer.
class PixelBuffer {
public:
    using Storage = std::vector<uint8_t, AllocatorForOverwrite<uint8_t>>;

    PixelBuffer() = default;
    PixelBuffer(int32_t width, int32_t height) { Resize(width, height); }

    // Black pixels, padding zeroed.
    void Resize(int32_t width, int32_t height)
    {
        if (SetSize(width, height))
            m_bytes.assign(size_t(RowStride24(width) * height), 0);
    }
    // Bytes of no value, for a caller that writes every one of them, the
    // padding at each row's end included (a decoder filling every row).
    void ResizeForOverwrite(int32_t width, int32_t height)
    {
        if (SetSize(width, height)) {
            m_bytes.clear();
            m_bytes.resize(size_t(RowStride24(width) * height));
        }
    }

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    int64_t Stride() const { return RowStride24(m_width); }
    bool IsEmpty() const { return m_bytes.empty(); }
    PixelView View() { return PixelView(m_bytes.data(), m_width, m_height, Stride()); }
    PixelView View() const { return PixelView(const_cast<uint8_t*>(m_bytes.data()), m_width, m_height, Stride()); }
    uint8_t* Row(int32_t y) { return View().Row(y); }
    const uint8_t* Row(int32_t y) const { return View().Row(y); }
    Color PixelAt(int32_t x, int32_t y) const { return View().PixelAt(x, y); }
    void SetPixel(int32_t x, int32_t y, Color c) { View().SetPixel(x, y, c); }
    const Storage& Bytes() const { return m_bytes; }
    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

private:
    // False (and empty) for a size of 0 or less.
    bool SetSize(int32_t width, int32_t height)
    {
        if (width <= 0 || height <= 0) {
            m_width = m_height = 0;
            m_bytes.clear();
            return false;
        }
        m_width = width;
        m_height = height;
        return true;
    }

    int32_t m_width = 0;
    int32_t m_height = 0;
    Storage m_bytes;
};

} // namespace ventro

// 24-bit top-down device-independent sections whose bits are a PixelView, the
// fast bitmap TlxFBitmap over them, and blitting a core pixel view to a device.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/PixelBuffer.h"
#include "platform/Handles.h"

namespace ventro {

// The 40-byte header of a top-down 24-bit picture of the given size.
BITMAPINFO TopDown24Info(int32_t width, int32_t height);

class DibSection {
public:
    DibSection() = default;
    // A section of the given size; sizes of 0 or less give an empty section.
    DibSection(int32_t width, int32_t height);
    // A copy of a bitmap's pixels (any format) as a 24-bit section.
    static DibSection FromBitmap(HBITMAP bitmap);

    bool IsEmpty() const { return m_bits == nullptr; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    HBITMAP Handle() const { return m_bitmap.Get(); }
    PixelView View() const;

private:
    BitmapHandle m_bitmap;
    uint8_t* m_bits = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
};

// Copies every pixel of a view 1:1 to the device at (x, y).
void BlitPixels(HDC dc, int32_t x, int32_t y, PixelView pixels);

// A bitmap copied into a section for direct pixel access, with a memory
// device context that has the section selected.
class TlxFBitmap {
public:
    explicit TlxFBitmap(HBITMAP bitmap);
    TlxFBitmap(int32_t width, int32_t height);
    TlxFBitmap(const TlxFBitmap&) = delete;
    TlxFBitmap& operator=(const TlxFBitmap&) = delete;
    ~TlxFBitmap();

    int32_t Width() const { return m_dib.Width(); }
    int32_t Height() const { return m_dib.Height(); }
    PixelView View() const { return m_dib.View(); }
    HDC DC() const { return m_dc.Get(); }
    HBITMAP Handle() const { return m_dib.Handle(); }

private:
    void SelectIntoDC();

    DibSection m_dib;
    MemoryDC m_dc;
    HGDIOBJ m_oldBitmap = nullptr;
};

} // namespace ventro

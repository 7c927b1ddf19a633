// 24-bit top-down device-independent sections whose bits are a PixelView and
// the fast bitmap TlxFBitmap over them. The bitmap header and the blit are the
// platform's (platform/Graphics.h).
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/PixelBuffer.h"
#include "platform/Graphics.h"
#include "platform/Handles.h"

namespace ventro {

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

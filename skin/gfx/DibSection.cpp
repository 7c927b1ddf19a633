// 24-bit top-down device-independent sections, the fast bitmap and blitting.
#include "skin/gfx/DibSection.h"

#include <cstring>

namespace ventro {

BITMAPINFO TopDown24Info(int32_t width, int32_t height)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative: rows stored top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DibSection::DibSection(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info = TopDown24Info(width, height);
    void* bits = nullptr;
    m_bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_bitmap || !bits) {
        m_bitmap.Reset();
        return;
    }
    m_bits = static_cast<uint8_t*>(bits);
    m_width = width;
    m_height = height;
}

DibSection DibSection::FromBitmap(HBITMAP bitmap)
{
    BITMAP bm {};
    if (!bitmap || GetObjectW(bitmap, sizeof(bm), &bm) == 0)
        return DibSection();
    DibSection dib(bm.bmWidth, bm.bmHeight);
    if (dib.IsEmpty())
        return dib;
    BITMAPINFO info = TopDown24Info(dib.m_width, dib.m_height);
    WindowDC screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, UINT(dib.m_height), dib.m_bits, &info, DIB_RGB_COLORS);
    return dib;
}

PixelView DibSection::View() const
{
    if (!m_bits)
        return PixelView();
    return PixelView(m_bits, m_width, m_height, RowStride24(m_width));
}

void BlitPixels(HDC dc, int32_t x, int32_t y, PixelView pixels)
{
    if (!dc || pixels.IsEmpty())
        return;
    if (pixels.Stride() != RowStride24(pixels.Width())) {
        // A view into a wider picture has rows the platform cannot step through; copy it.
        PixelBuffer copy(pixels.Width(), pixels.Height());
        for (int32_t row = 0; row < pixels.Height(); ++row)
            memcpy(copy.Row(row), pixels.RowUnchecked(row), size_t(pixels.Width()) * 3);
        BlitPixels(dc, x, y, copy.View());
        return;
    }
    BITMAPINFO info = TopDown24Info(pixels.Width(), pixels.Height());
    SetDIBitsToDevice(dc, x, y, DWORD(pixels.Width()), DWORD(pixels.Height()), 0, 0, 0, UINT(pixels.Height()),
        pixels.Bits(), &info, DIB_RGB_COLORS);
}

TlxFBitmap::TlxFBitmap(HBITMAP bitmap) : m_dib(DibSection::FromBitmap(bitmap)) { SelectIntoDC(); }

TlxFBitmap::TlxFBitmap(int32_t width, int32_t height) : m_dib(width, height) { SelectIntoDC(); }

void TlxFBitmap::SelectIntoDC()
{
    m_dc.Reset(CreateCompatibleDC(nullptr));
    if (m_dc && m_dib.Handle())
        m_oldBitmap = SelectObject(m_dc.Get(), m_dib.Handle());
}

TlxFBitmap::~TlxFBitmap()
{
    // The section must leave the device context before either is deleted.
    if (m_dc && m_oldBitmap)
        SelectObject(m_dc.Get(), m_oldBitmap);
}

} // namespace ventro

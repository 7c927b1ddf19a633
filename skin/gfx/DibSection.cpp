// 24-bit top-down device-independent sections and the fast bitmap.
#include "skin/gfx/DibSection.h"

#include <cstring>

namespace ventro {

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
    ClientDC screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, UINT(dib.m_height), dib.m_bits, &info, DIB_RGB_COLORS);
    return dib;
}

PixelView DibSection::View() const
{
    if (!m_bits)
        return PixelView();
    return PixelView(m_bits, m_width, m_height, RowStride24(m_width));
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

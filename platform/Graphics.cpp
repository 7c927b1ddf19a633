// The bitmap header and the blit.
#include "platform/Graphics.h"

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

} // namespace ventro

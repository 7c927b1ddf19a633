// The desktop as the end-to-end tests use it: the pointer and the keys, and
// the screen's pixels of a rectangle as a picture (for golden pictures and
// the pictures of every window that make shots takes).
#pragma once
#include <windows.h>

#include <chrono>
#include <thread>

#include "skin/gfx/WicPng.h"

namespace ventro::e2e {

inline void MouseButton(DWORD flags)
{
    INPUT in {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

inline void MoveTo(int x, int y)
{
    SetCursorPos(x, y);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

inline void ClickAt(int x, int y, bool right = false)
{
    MoveTo(x, y);
    MouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    MouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

inline void Key(WORD vk, bool up)
{
    INPUT in {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(in));
}

inline void Tap(WORD vk)
{
    Key(vk, false);
    Key(vk, true);
}

inline RECT Bounds(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return r;
}

// The screen's pixels of a rectangle; pixels of `clientOut` (screen
// coordinates, may be empty) are left transparent, except those of `keep`
// (an open menu), so that a blinking caret or a control's contents never
// reach a picture of the frame.
inline Picture32 CaptureScreen(RECT r, RECT clientOut = {}, RECT keep = {})
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB };
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    Picture32 p;
    p.Width = w;
    p.Height = h;
    p.Bgra.assign(static_cast<uint8_t*>(bits), static_cast<uint8_t*>(bits) + size_t(w) * size_t(h) * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* px = &p.Bgra[(size_t(y) * size_t(w) + size_t(x)) * 4];
            POINT at { r.left + x, r.top + y };
            bool hidden = PtInRect(&clientOut, at) && !PtInRect(&keep, at);
            px[3] = hidden ? 0 : 255;
            if (hidden)
                px[0] = px[1] = px[2] = 0;
        }
    SelectObject(memory, old);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return p;
}

} // namespace ventro::e2e

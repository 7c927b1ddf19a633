// skinview with our stored skin as the screen shows it, compared pixel for
// pixel with pictures looked at and kept: several sizes, active and
// inactive, rolled up, and with the system menu open. VENTRO_WRITE_GOLDEN=1
// writes the pictures instead.
#include <cstdlib>

#include "platform/Text.h"
#include "skin/gfx/WicPng.h"
#include "tests/skinview/SkinViewHarness.h"
#include "tests/support/GoldenPicture.h"

namespace ventro::skinview::testing {
namespace {

using test::ExpectGolden;

// The screen's pixels of `r`; pixels outside every window of `shown` (each
// clipped by its region) are left transparent black, so the desktop behind
// rounded corners never reaches a picture.
Picture32 CaptureScreen(Rect r, const std::vector<HWND>& shown)
{
    const int w = r.Width(), h = r.Height();
    HDC screen = GetDC(nullptr);
    MemoryDC memory(CreateCompatibleDC(screen));
    BITMAPINFO info {};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB };
    void* bits = nullptr;
    BitmapHandle section(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HGDIOBJ old = SelectObject(memory.Get(), section.Get());
    BitBlt(memory.Get(), 0, 0, w, h, screen, r.Left, r.Top, SRCCOPY);
    GdiFlush();
    ReleaseDC(nullptr, screen);
    Picture32 p;
    p.Width = w;
    p.Height = h;
    p.Bgra.assign(static_cast<uint8_t*>(bits), static_cast<uint8_t*>(bits) + size_t(w) * size_t(h) * 4);
    std::vector<std::pair<Rect, RegionHandle>> windows;
    for (HWND wnd : shown) {
        RegionHandle region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(wnd, region.Get()) == ERROR)
            region.Reset();
        windows.emplace_back(WindowRect(wnd), std::move(region));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = r.Left + x, sy = r.Top + y;
            bool inside = false;
            for (const auto& [bounds, region] : windows)
                inside = inside
                    || (bounds.Contains({ sx, sy })
                        && (!region || PtInRegion(region.Get(), sx - bounds.Left, sy - bounds.Top)));
            uint8_t* px = &p.Bgra[(size_t(y) * size_t(w) + size_t(x)) * 4];
            px[3] = inside ? 255 : 0;
            if (!inside)
                px[0] = px[1] = px[2] = 0;
        }
    SelectObject(memory.Get(), old);
    return p;
}

HWND VisiblePopup()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            wchar_t name[64] {};
            GetClassNameW(wnd, name, 64);
            if (std::wstring(name) == L"TlxSkinPopupWindow" && IsWindowVisible(wnd))
                *reinterpret_cast<HWND*>(param) = wnd;
            return TRUE;
        },
        LPARAM(&found));
    return found;
}

class SkinViewGolden : public SkinViewTest {
protected:
    Picture32 Shot()
    {
        SetCursorPos(0, 0);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump(150);
        return CaptureScreen(WindowRect(form->Handle()), { form->Handle() });
    }
    void Resize(int w, int h)
    {
        SetWindowPos(form->Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
        Pump(30);
    }
};

TEST_F(SkinViewGolden, SizesActiveAndInactive)
{
    Open();
    SetCursorPos(0, 0);
    for (auto [w, h] : std::vector<std::pair<int, int>> { { 480, 340 }, { 260, 160 }, { 640, 200 } }) {
        Resize(w, h);
        ExpectGolden("skinview_" + std::to_string(w) + "x" + std::to_string(h), Shot());
    }
    Resize(480, 340);
    TForm other(owner.get());
    other.SetBounds(900, 700, 100, 100);
    other.Show();
    SetForegroundWindow(other.Handle());
    Pump(100);
    ASSERT_FALSE(form->lxLumenSkinForm1->FormActive());
    ExpectGolden("skinview_480x340_inactive", Shot());
}

TEST_F(SkinViewGolden, RolledUpAndSystemMenuOpen)
{
    Open();
    form->lxLumenSkinForm1->SetRollUpState(true);
    Pump(50);
    ASSERT_TRUE(form->lxLumenSkinForm1->RolledUp());
    ExpectGolden("skinview_rolled_up", Shot());
    form->lxLumenSkinForm1->SetRollUpState(false);
    Pump(50);

    const Rect r = WindowRect(form->Handle());
    Shot();
    form->lxLumenSkinForm1->PopupSystemMenu({ r.Left + 120, r.Top + 12, r.Left + 120, r.Top + 12 });
    Pump(200);
    HWND popup = VisiblePopup();
    ASSERT_NE(popup, nullptr);
    const Rect menu = WindowRect(popup);
    const Rect both { std::min(r.Left, menu.Left), std::min(r.Top, menu.Top), std::max(r.Right, menu.Right),
        std::max(r.Bottom, menu.Bottom) };
    ExpectGolden("skinview_system_menu", CaptureScreen(both, { form->Handle(), popup }));
    form->lxLumenSkinForm1->SkinMenu().CloseAll();
    Pump(50);
}

} // namespace
} // namespace ventro::skinview::testing

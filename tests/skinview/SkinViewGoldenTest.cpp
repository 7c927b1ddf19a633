// skinview with our stored skin as the screen shows it, compared pixel for
// pixel with pictures looked at and kept: several sizes, active and
// inactive, rolled up, and with the system menu open. VENTRO_WRITE_GOLDEN=1
// writes the pictures instead. With VENTRO_SHOTS_DIR set, the pictures of
// skinview for the README are written there too (make shots).
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

// The visible windows of this thread of a window class, in z-order.
std::vector<HWND> VisibleWindowsOf(const wchar_t* windowClass)
{
    struct Search {
        const wchar_t* Class;
        std::vector<HWND> Found;
    } search { windowClass, {} };
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t name[64] {};
            GetClassNameW(wnd, name, 64);
            if (std::wstring(name) == s.Class && IsWindowVisible(wnd))
                s.Found.push_back(wnd);
            return TRUE;
        },
        LPARAM(&search));
    return search.Found;
}

HWND VisiblePopup()
{
    std::vector<HWND> popups = VisibleWindowsOf(L"TlxSkinPopupWindow");
    return popups.empty() ? nullptr : popups.back();
}

Rect Around(const std::vector<HWND>& windows)
{
    Rect all = WindowRect(windows.front());
    for (HWND wnd : windows) {
        const Rect r = WindowRect(wnd);
        all = { std::min(all.Left, r.Left), std::min(all.Top, r.Top), std::max(all.Right, r.Right),
            std::max(all.Bottom, r.Bottom) };
    }
    return all;
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
    // Another form of the program takes the activation.
    void Activate(TForm& other)
    {
        other.SetBounds(900, 700, 100, 100);
        other.Show();
        SetForegroundWindow(other.Handle());
        Pump(100);
    }
    void SetRolledUp(bool rolledUp)
    {
        form->lxLumenSkinForm1->SetRollUpState(rolledUp);
        Pump(50);
    }
    // The system menu, opened where a right click on the caption opens it.
    void OpenSystemMenu()
    {
        const Rect r = WindowRect(form->Handle());
        Shot();
        form->lxLumenSkinForm1->PopupSystemMenu({ r.Left + 120, r.Top + 12, r.Left + 120, r.Top + 12 });
        Pump(200);
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
    Activate(other);
    ASSERT_FALSE(form->lxLumenSkinForm1->FormActive());
    ExpectGolden("skinview_480x340_inactive", Shot());
}

TEST_F(SkinViewGolden, RolledUpAndSystemMenuOpen)
{
    Open();
    SetRolledUp(true);
    ASSERT_TRUE(form->lxLumenSkinForm1->RolledUp());
    ExpectGolden("skinview_rolled_up", Shot());
    SetRolledUp(false);

    const Rect r = WindowRect(form->Handle());
    OpenSystemMenu();
    HWND popup = VisiblePopup();
    ASSERT_NE(popup, nullptr);
    const Rect menu = WindowRect(popup);
    const Rect both { std::min(r.Left, menu.Left), std::min(r.Top, menu.Top), std::max(r.Right, menu.Right),
        std::max(r.Bottom, menu.Bottom) };
    ExpectGolden("skinview_system_menu", CaptureScreen(both, { form->Handle(), popup }));
    form->lxLumenSkinForm1->SkinMenu().CloseAll();
    Pump(50);
}

TEST_F(SkinViewGolden, ShotsForTheReadme)
{
    const char* dir = std::getenv("VENTRO_SHOTS_DIR");
    if (!dir || !*dir)
        GTEST_SKIP() << "VENTRO_SHOTS_DIR is not set";
    auto save = [dir](const char* name, const Picture32& picture) {
        WritePng32(Utf8ToWide(std::string(dir) + "\\" + name + ".png"), picture);
    };
    Open();
    Resize(480, 340);
    save("skinview-active", Shot());
    TForm other(owner.get());
    Activate(other);
    save("skinview-inactive", Shot());
    other.Hide();
    SetForegroundWindow(form->Handle());
    Pump(100);

    SetRolledUp(true);
    save("skinview-rolled-up", Shot());
    SetRolledUp(false);

    // The system menu with skinview's test menu open beside it.
    const Rect r = WindowRect(form->Handle());
    OpenSystemMenu();
    // Up from no item wraps to Close, the next Up reaches Test menu, Right opens it.
    for (WORD key : { VK_UP, VK_UP, VK_RIGHT }) {
        form->lxLumenSkinForm1->SkinMenu().Engine().KeyDown(key, 0);
        Pump(100);
    }
    Pump(300);
    std::vector<HWND> shown = VisibleWindowsOf(L"TlxSkinPopupWindow");
    ASSERT_EQ(shown.size(), 2u);
    shown.push_back(form->Handle());
    save("skinview-system-menu", CaptureScreen(Around(shown), shown));
    form->lxLumenSkinForm1->SkinMenu().CloseAll();
    Pump(50);

    // The close button's hint, queued as the pointer resting on the button queues it.
    SetCursorPos(r.Right - 26, r.Top + 13);
    form->lxSkinHint1->QueueObjectHint(L"Close");
    std::vector<HWND> hints;
    for (int i = 0; i < 40 && hints.empty(); ++i) {
        Pump(50);
        hints = VisibleWindowsOf(L"TlxSkinHintWindow");
    }
    ASSERT_FALSE(hints.empty()) << "no hint showed";
    Pump(300);
    hints.push_back(form->Handle());
    save("skinview-hint", CaptureScreen(Around(hints), hints));
}

} // namespace
} // namespace ventro::skinview::testing

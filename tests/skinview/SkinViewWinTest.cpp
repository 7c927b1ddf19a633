// skinview's window under Wine with our stored skin: the window region at
// every size, sizing from the border hit codes, maximizing on a work area
// that is the whole screen, magnetic snapping, the inactive look, the fade-in,
// skin files that fail, "next skin", the system menu, and a hundred skin
// changes that leave nothing behind.
#include <algorithm>
#include <cstring>
#include <functional>

#include "tests/skinview/SkinViewHarness.h"

namespace ventro::skinview::testing {
namespace {

namespace fs = std::filesystem;

bool InRegion(HWND wnd, int x, int y)
{
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(wnd, region.Get()) == ERROR)
        return true;  // no region: the whole rectangle
    return PtInRegion(region.Get(), x, y) != FALSE;
}

Rect RegionBox(HWND wnd)
{
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(wnd, region.Get()) == ERROR)
        return {};
    RECT box {};
    GetRgnBox(region.Get(), &box);
    return { box.left, box.top, box.right, box.bottom };
}

LRESULT HitAt(HWND wnd, int x, int y)
{
    const Rect r = WindowRect(wnd);
    return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(r.Left + x, r.Top + y));
}

// A fresh folder with copies of our stored skin's file under the given names.
struct SkinFolder {
    fs::path Path;
    explicit SkinFolder(const std::vector<std::wstring>& names)
    {
        wchar_t temp[MAX_PATH] {};
        GetTempPathW(MAX_PATH, temp);
        Path = fs::path(temp) / (L"skinview-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()));
        fs::create_directories(Path);
        for (const auto& name : names)
            fs::copy_file(VENTRO_SKIN_FILE, Path / name, fs::copy_options::overwrite_existing);
    }
    ~SkinFolder()
    {
        std::error_code error;
        fs::remove_all(Path, error);
    }
    std::wstring File(const std::wstring& name) const { return (Path / name).wstring(); }
    void Write(const std::wstring& name, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(Path / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};

TEST_F(SkinViewTest, StoredSkinIsAppliedAndTheRegionFollowsEveryResize)
{
    TSkinViewForm& view = Open();
    ASSERT_TRUE(view.Failure().empty());
    EXPECT_EQ(view.Caption(), L"skinview - stored skin");
    ASSERT_TRUE(view.lxLumenSkinForm1->SkinReady());
    HWND wnd = view.Handle();
    // The skin's rounded corners: the outermost corner pixel is cut away,
    // the border beside it is not.
    const Rect first = WindowRect(wnd);
    ASSERT_FALSE(InRegion(wnd, 0, 0));
    ASSERT_TRUE(InRegion(wnd, first.Width() / 2, 0));
    const bool corners[4] = { InRegion(wnd, 0, 0), InRegion(wnd, first.Width() - 1, 0),
        InRegion(wnd, 0, first.Height() - 1), InRegion(wnd, first.Width() - 1, first.Height() - 1) };
    for (auto [w, h] : std::vector<std::pair<int, int>> { { 640, 480 }, { 300, 200 }, { 201, 140 }, { 777, 123 }, { 420, 600 }, { 480, 340 } }) {
        SetWindowPos(wnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(20);
        const Rect r = WindowRect(wnd);
        ASSERT_EQ(r.Width(), w);
        ASSERT_EQ(r.Height(), h);
        EXPECT_EQ(RegionBox(wnd), (Rect { 0, 0, w, h })) << w << " x " << h;
        EXPECT_EQ(InRegion(wnd, 0, 0), corners[0]) << w << " x " << h;
        EXPECT_EQ(InRegion(wnd, w - 1, 0), corners[1]) << w << " x " << h;
        EXPECT_EQ(InRegion(wnd, 0, h - 1), corners[2]) << w << " x " << h;
        EXPECT_EQ(InRegion(wnd, w - 1, h - 1), corners[3]) << w << " x " << h;
        EXPECT_TRUE(InRegion(wnd, w / 2, h / 2));
    }
}

TEST_F(SkinViewTest, BorderHitCodesSizeTheWindow)
{
    TSkinViewForm& view = Open();
    HWND wnd = view.Handle();
    const Rect r = WindowRect(wnd);
    const int w = r.Width(), h = r.Height();
    EXPECT_EQ(HitAt(wnd, 1, h / 2), HTLEFT);
    EXPECT_EQ(HitAt(wnd, w - 2, h / 2), HTRIGHT);
    EXPECT_EQ(HitAt(wnd, w / 2, h - 2), HTBOTTOM);
    EXPECT_EQ(HitAt(wnd, w / 2, 1), HTTOP);
    EXPECT_EQ(HitAt(wnd, 2, 2), HTTOPLEFT);
    EXPECT_EQ(HitAt(wnd, w - 3, h - 3), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(wnd, w / 2, h / 2), HTCLIENT);
    EXPECT_EQ(HitAt(wnd, w / 3, 12), HTCAPTION);

    // A real drag on the right border and then on the bottom-right corner.
    Drag({ r.Right - 2, r.Top + h / 2 }, { { r.Right + 20, r.Top + h / 2 }, { r.Right + 38, r.Top + h / 2 } });
    Rect sized = WindowRect(wnd);
    EXPECT_EQ(sized.Width(), w + 40);
    EXPECT_EQ(sized.Height(), h);
    EXPECT_EQ(sized.Left, r.Left);
    EXPECT_EQ(RegionBox(wnd), (Rect { 0, 0, w + 40, h }));
    Drag({ sized.Right - 3, sized.Bottom - 3 }, { { sized.Right - 40, sized.Bottom - 20 }, { sized.Right - 63, sized.Bottom - 33 } });
    sized = WindowRect(wnd);
    EXPECT_EQ(sized.Width(), w + 40 - 60);
    EXPECT_EQ(sized.Height(), h - 30);
    EXPECT_EQ(RegionBox(wnd), (Rect { 0, 0, w - 20, h - 30 }));
}

TEST_F(SkinViewTest, MaximizedOnTheWholeScreenLeavesOnePixelAndCannotBeDragged)
{
    TSkinViewForm& view = Open();
    HWND wnd = view.Handle();
    const Rect screen { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    ASSERT_EQ(WorkArea(), screen) << "the display reserves room for a taskbar";
    const Rect normal = WindowRect(wnd);
    view.lxLumenSkinForm1->ChangeWindowState(TWindowState::wsMaximized);
    Pump(50);
    EXPECT_EQ(view.lxLumenSkinForm1->RecordedWindowState(), TWindowState::wsMaximized);
    const Rect maximized { screen.Left + 1, screen.Top + 1, screen.Right - 1, screen.Bottom - 1 };
    EXPECT_EQ(WindowRect(wnd), maximized);
    EXPECT_EQ(RegionBox(wnd), (Rect { 0, 0, maximized.Width(), maximized.Height() }));

    Drag({ maximized.Left + 150, maximized.Top + 10 }, { { maximized.Left + 250, maximized.Top + 110 }, { maximized.Left + 300, maximized.Top + 200 } });
    EXPECT_EQ(WindowRect(wnd), maximized);

    // A double click on the caption of the maximized, resizable window restores it.
    view.lxLumenSkinForm1->ChangeWindowState(TWindowState::wsNormal);
    Pump(50);
    EXPECT_EQ(WindowRect(wnd), normal);
}

TEST_F(SkinViewTest, MagneticSnappingToTheWorkAreaAndReleaseFartherAway)
{
    TSkinViewForm& view = Open({}, 100, 100);
    HWND wnd = view.Handle();
    const Rect area = WorkArea();
    const Rect start = WindowRect(wnd);
    // Dragged by the caption to 10 pixels from the area's left edge: too far to snap.
    POINT grab { start.Left + 150, start.Top + 10 };
    Drag(grab, { { grab.x - 40, grab.y }, { grab.x - (start.Left - area.Left - 10), grab.y } });
    Rect r = WindowRect(wnd);
    EXPECT_EQ(r.Left, area.Left + 10);
    EXPECT_EQ(r.Top, start.Top);
    // To 3 pixels from it: the window snaps onto the edge.
    grab = { r.Left + 150, r.Top + 10 };
    Drag(grab, { { grab.x - 7, grab.y } });
    r = WindowRect(wnd);
    EXPECT_EQ(r.Left, area.Left);
    EXPECT_EQ(r.Top, start.Top);
    EXPECT_EQ(r.Width(), start.Width());
    // Snapped, it stays while the pointer is within 5 pixels of where it took
    // hold, and follows the pointer farther away.
    grab = { r.Left + 150, r.Top + 10 };
    Drag(grab, { { grab.x + 3, grab.y }, { grab.x + 5, grab.y } });
    EXPECT_EQ(WindowRect(wnd).Left, area.Left);
    grab = { WindowRect(wnd).Left + 150, r.Top + 10 };
    Drag(grab, { { grab.x + 3, grab.y }, { grab.x + 20, grab.y } });
    EXPECT_EQ(WindowRect(wnd).Left, area.Left + 20);

    // The right edge snaps the same way: 4 pixels short of the area's right edge.
    r = WindowRect(wnd);
    grab = { r.Left + 150, r.Top + 10 };
    const int toRight = area.Right - 4 - r.Right;
    Drag(grab, { { grab.x + toRight / 2, grab.y }, { grab.x + toRight, grab.y } });
    r = WindowRect(wnd);
    EXPECT_EQ(r.Right, area.Right);
    EXPECT_EQ(r.Width(), start.Width());
}

TEST_F(SkinViewTest, InactiveLookDiffersAndComesBack)
{
    TSkinViewForm& view = Open();
    HWND wnd = view.Handle();
    auto frame = [&] {
        const Rect r = WindowRect(wnd);
        HDC screen = GetDC(nullptr);
        MemoryDC dc(CreateCompatibleDC(screen));
        BitmapHandle bitmap(CreateCompatibleBitmap(screen, r.Width(), 30));
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());
        EXPECT_EQ(SendMessageW(wnd, LumenPrintFrameMessage, WPARAM(dc.Get()), 0), LumenPrintFrameAnswer);
        std::vector<COLORREF> pixels;
        for (int x = 0; x < r.Width(); x += 3)
            for (int y = 0; y < 30; y += 3)
                pixels.push_back(GetPixel(dc.Get(), x, y));
        SelectObject(dc.Get(), old);
        return pixels;
    };
    ASSERT_TRUE(view.lxLumenSkinForm1->FormActive());
    const auto active = frame();
    TForm other(owner.get());
    other.SetBounds(10, 10, 100, 100);
    other.Show();
    SetForegroundWindow(other.Handle());
    Pump(100);
    ASSERT_FALSE(view.lxLumenSkinForm1->FormActive());
    const auto inactive = frame();
    EXPECT_NE(active, inactive);
    SetForegroundWindow(wnd);
    Pump(100);
    EXPECT_TRUE(view.lxLumenSkinForm1->FormActive());
    EXPECT_EQ(frame(), active);
}

TEST_F(SkinViewTest, FadeInWithoutAlphaBlendEndsOpaqueAndUnlayered)
{
    ViewOptions options;
    options.AlphaBlendAnimation = true;
    TSkinViewForm& view = Open(options);
    Pump(300);
    EXPECT_FALSE(view.lxLumenSkinForm1->FadeTimerRunning());
    EXPECT_EQ(GetWindowLongW(view.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_TRUE(IsWindowVisible(view.Handle()));
}

TEST_F(SkinViewTest, FadeInWithAlphaBlendStopsAtItsValueAndStaysLayered)
{
    ViewOptions options;
    options.AlphaBlendAnimation = true;
    options.AlphaBlend = true;
    options.AlphaBlendValue = 128;
    TSkinViewForm& view = Open(options);
    Pump(300);
    EXPECT_FALSE(view.lxLumenSkinForm1->FadeTimerRunning());
    ASSERT_NE(GetWindowLongW(view.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(view.Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
}

TEST_F(SkinViewTest, FailedSkinFilesShowTheFallbackFrameAndSayWhy)
{
    SkinFolder folder({ L"good.skn" });
    const std::vector<uint8_t> good = FileBytes(VENTRO_SKIN_FILE);
    // Garbage; a valid header over a cut zlib stream; a skin file whose size field lies.
    folder.Write(L"garbage.skn", std::vector<uint8_t>(3000, 0x5A));
    std::vector<uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2));
    const uint32_t cutSize = uint32_t(cut.size() - 8);
    std::memcpy(cut.data() + 4, &cutSize, 4);
    folder.Write(L"cut.skn", cut);
    std::vector<uint8_t> lying = good;
    const uint32_t huge = 0x7FFFFFF0;
    std::memcpy(lying.data() + 4, &huge, 4);
    folder.Write(L"lying.skn", lying);

    ViewOptions options;
    options.SkinPath = folder.File(L"garbage.skn");
    TSkinViewForm& view = Open(options);
    HWND wnd = view.Handle();
    EXPECT_FALSE(view.Failure().empty());
    EXPECT_EQ(view.Caption(), ViewCaption(options.SkinPath, view.Failure()));
    EXPECT_FALSE(view.lxLumenSkinForm1->SkinReady());
    EXPECT_TRUE(view.lxLumenSkinForm1->Skinned());

    for (const wchar_t* name : { L"good.skn", L"cut.skn", L"good.skn", L"lying.skn", L"missing.skn", L"good.skn" }) {
        const std::wstring failure = view.LoadSkin(folder.File(name));
        Pump(20);
        const bool ok = std::wstring(name) == L"good.skn";
        EXPECT_EQ(failure.empty(), ok) << name;
        EXPECT_EQ(view.lxLumenSkinForm1->SkinReady(), ok) << name;
        EXPECT_EQ(view.Caption(), ViewCaption(folder.File(name), failure));
        // Still usable: it answers hit tests, paints its frame and resizes.
        EXPECT_EQ(SendMessageW(wnd, LumenQueryMessage, 0, 0), LumenQuerySkinned);
        EXPECT_EQ(HitAt(wnd, WindowRect(wnd).Width() / 2, WindowRect(wnd).Height() / 2), HTCLIENT) << name;
        SetWindowPos(wnd, nullptr, 0, 0, 500, 360, SWP_NOMOVE | SWP_NOZORDER);
        Pump(10);
        EXPECT_EQ(WindowRect(wnd).Width(), 500);
        SetWindowPos(wnd, nullptr, 0, 0, 480, 340, SWP_NOMOVE | SWP_NOZORDER);
    }
}

TEST_F(SkinViewTest, NextSkinCyclesThroughTheFolderAndReloadReannounces)
{
    SkinFolder folder({ L"b.skn", L"a.skn", L"C.skn" });
    folder.Write(L"notes.txt", { 'x' });
    ViewOptions options;
    options.SkinPath = folder.File(L"a.skn");
    TSkinViewForm& view = Open(options);
    int changes = 0;
    view.lxLumenSkinForm1->OnChangeSkinData = [&](TComponent*) { ++changes; };
    std::vector<std::wstring> seen;
    for (int i = 0; i < 4; ++i) {
        view.NextSkin();
        seen.push_back(FileNameOf(view.SkinPath()));
        EXPECT_EQ(view.Caption(), L"skinview - " + seen.back());
        EXPECT_TRUE(view.lxLumenSkinForm1->SkinReady());
    }
    EXPECT_EQ(seen, (std::vector<std::wstring> { L"b.skn", L"C.skn", L"a.skn", L"b.skn" }));
    EXPECT_EQ(changes, 4);
    view.Reload();
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(FileNameOf(view.SkinPath()), L"b.skn");

    // The stored skin has no folder: "next skin" stays on it.
    view.LoadSkin(L"");
    view.NextSkin();
    EXPECT_EQ(view.Caption(), L"skinview - stored skin");
    EXPECT_TRUE(view.SkinPath().empty());
}

TEST_F(SkinViewTest, SystemMenuHoldsTheFreshItemsAroundItsOwn)
{
    TSkinViewForm& view = Open();
    TMenuItem& menu = view.lxLumenSkinForm1->PrepareSystemMenu();
    std::vector<std::wstring> names;
    for (int i = 0; i < menu.Count(); ++i)
        names.push_back(menu.Items(i)->Name());
    // Normal, not rolled up: minimize, maximize, roll-up before our items, close after them.
    auto at = [&](const std::wstring& name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    ASSERT_LT(at(L"LSF_MINITEM"), at(L"SV_RELOAD"));
    ASSERT_LT(at(L"LSF_MAXITEM"), at(L"SV_RELOAD"));
    ASSERT_LT(at(L"LSF_ROLLUP"), at(L"SV_RELOAD"));
    EXPECT_EQ(at(L"LSF_RESTORE"), std::ptrdiff_t(names.size()));
    EXPECT_LT(at(L"SV_RELOAD"), at(L"SV_NEXTSKIN"));
    EXPECT_LT(at(L"SV_NEXTSKIN"), at(L"SV_TESTMENU"));
    EXPECT_EQ(names.back(), L"LSF_CLOSE");
    // Preparing it again does not pile up the fresh items.
    const int count = view.lxLumenSkinForm1->PrepareSystemMenu().Count();
    EXPECT_EQ(view.lxLumenSkinForm1->PrepareSystemMenu().Count(), count);

    // The test menu reaches two levels down and has every kind of item.
    TMenuItem* test = menu.Items(int(at(L"SV_TESTMENU")));
    bool divider = false, disabled = false, checked = false, radio = false, shortcut = false, deep = false;
    std::function<void(TMenuItem&, int)> walk = [&](TMenuItem& item, int depth) {
        for (int i = 0; i < item.Count(); ++i) {
            TMenuItem& c = *item.Items(i);
            divider |= c.IsLine();
            disabled |= !c.Enabled && !c.IsLine();
            checked |= c.Checked && !c.RadioItem;
            radio |= c.RadioItem;
            shortcut |= !c.ShortCut.empty();
            deep |= depth >= 2 && c.Count() == 0;
            walk(c, depth + 1);
        }
    };
    walk(*test, 0);
    EXPECT_TRUE(divider && disabled && checked && radio && shortcut && deep);

    // Rolled up, the menu offers the way back instead of rolling up again.
    view.lxLumenSkinForm1->SetRollUpState(true);
    Pump(20);
    TMenuItem& rolled = view.lxLumenSkinForm1->PrepareSystemMenu();
    bool restore = false, rollUp = false;
    for (int i = 0; i < rolled.Count(); ++i) {
        restore |= rolled.Items(i)->Name() == L"LSF_RESTORE";
        rollUp |= rolled.Items(i)->Name() == L"LSF_ROLLUP";
    }
    EXPECT_TRUE(restore);
    EXPECT_FALSE(rollUp);
}

TEST_F(SkinViewTest, RadioAndCheckItemsOfTheTestMenuKeepTheirMarks)
{
    TMenuItem root;
    BuildTestMenu(root);
    TMenuItem* size = nullptr;
    TMenuItem* wrap = nullptr;
    for (int i = 0; i < root.Count(); ++i) {
        if (root.Items(i)->Name() == L"SV_SIZE")
            size = root.Items(i);
        if (root.Items(i)->Name() == L"SV_WRAP")
            wrap = root.Items(i);
    }
    ASSERT_TRUE(size && wrap);
    auto checkedRadios = [&] {
        std::vector<int> on;
        for (int i = 0; i < size->Count(); ++i)
            if (size->Items(i)->RadioItem && size->Items(i)->Checked)
                on.push_back(i);
        return on;
    };
    EXPECT_EQ(checkedRadios(), std::vector<int> { 1 });
    size->Items(2)->Click();
    EXPECT_EQ(checkedRadios(), std::vector<int> { 2 });
    size->Items(0)->Click();
    EXPECT_EQ(checkedRadios(), std::vector<int> { 0 });
    const bool before = wrap->Checked;
    wrap->Click();
    EXPECT_NE(wrap->Checked, before);
}

TEST_F(SkinViewTest, HundredSkinChangesLeaveNothingBehind)
{
    SkinFolder folder({ L"a.skn", L"b.skn" });
    folder.Write(L"bad.skn", std::vector<uint8_t>(100, 1));
    TSkinViewForm& view = Open();
    HWND wnd = view.Handle();
    auto change = [&](int i) {
        switch (i % 5) {
        case 0: view.LoadSkin(folder.File(L"a.skn")); break;
        case 1: view.NextSkin(); break;
        case 2: view.Reload(); break;
        case 3: view.LoadSkin(folder.File(L"bad.skn")); break;
        default: view.LoadSkin(L""); break;
        }
        // Between changes the window is resized, hit-tested and painted as a user would.
        SetWindowPos(wnd, nullptr, 0, 0, 420 + i % 7 * 10, 300 + i % 3 * 10, SWP_NOMOVE | SWP_NOZORDER);
        HitAt(wnd, 30, 10);
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump(5);
    };
    // One round first, so every kind of skin has been seen once.
    for (int i = 0; i < 5; ++i)
        change(i);
    view.LoadSkin(L"");
    SetWindowPos(wnd, nullptr, 0, 0, 480, 340, SWP_NOMOVE | SWP_NOZORDER);
    Pump(100);
    const LiveCounts before = CountLive(view);
    for (int i = 0; i < 100; ++i)
        change(i);
    view.LoadSkin(L"");
    SetWindowPos(wnd, nullptr, 0, 0, 480, 340, SWP_NOMOVE | SWP_NOZORDER);
    Pump(100);
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_TRUE(view.lxLumenSkinForm1->SkinReady());
    EXPECT_EQ(CountLive(view), before);
}

} // namespace
} // namespace ventro::skinview::testing

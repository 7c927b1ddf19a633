// The skin form controller on real windows: the fallback frame's size and hit
// codes, the system menu, destroying form and controller in either order, the
// fade-in on a timer, maximizing with the 1-pixel rule, and skin changes that
// leave nothing behind.
#include <gtest/gtest.h>

#include <windows.h>


#include "platform/Application.h"
#include "platform/Form.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"
#include "skin/form/LumenSkinForm.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxTrayIcon.h"
#include "tests/skin_form/StoredSkinData.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using test::Pump;

using test::LoadStoredSkin;

class TestForm : public TForm {
public:
    explicit TestForm(TBorderStyle style) : TForm(&Application())
    {
        SetCaption(L"SkinFormWinTest");
        SetBorderStyle(style);
        SetBounds(100, 100, 300, 200);
        SetClientSize(251, 317);
        Skin = new TlxLumenSkinForm(this);
        Skin->SetShowIcon(true);
        Skin->SetBorderIcons(style == TBorderStyle::bsSingle ? MainWindowBorderIcons : DefaultBorderIcons);
        FinishCreate();
    }
    TlxLumenSkinForm* Skin;
};

Rect Bounds(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return { r.left, r.top, r.right, r.bottom };
}

class SkinFormWinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"SkinFormWinTest");
    }
    LRESULT HitAt(HWND wnd, int x, int y)
    {
        Rect r = Bounds(wnd);
        return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(r.Left + x, r.Top + y));
    }
};

TEST_F(SkinFormWinTest, TheFallbackFrameKeepsTheClientSizeAndAnswersItsHitCodes)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSingle);
    form->Show();
    Pump(50);
    HWND wnd = form->Handle();
    EXPECT_EQ(form->ClientWidth(), 251);
    EXPECT_EQ(form->ClientHeight(), 317);
    Rect r = Bounds(wnd);
    EXPECT_EQ(r.Width(), 251 + 6);
    EXPECT_EQ(r.Height(), 317 + 25);
    const int w = r.Width();
    EXPECT_EQ(HitAt(wnd, 100, 10), HTCAPTION);
    EXPECT_EQ(HitAt(wnd, 3 + 8, 4 + 8), HitObject);
    EXPECT_EQ(HitAt(wnd, w - 20 + 8, 12), HitObject);
    EXPECT_EQ(HitAt(wnd, w - 54 + 8, 12), HitObject);
    EXPECT_EQ(HitAt(wnd, 100, 100), HTCLIENT);
    // The platform's caption buttons are gone with its system menu style.
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(SendMessageW(wnd, LumenQueryMessage, 0, 0), LumenQuerySkinned);

    TMenuItem& menu = form->Skin->PrepareSystemMenu();
    ASSERT_EQ(menu.Count(), 4);
    EXPECT_EQ(menu.Items(0)->Caption, L"Mi&nimize");
    EXPECT_EQ(menu.Items(1)->Caption, L"Ro&llUp");
    EXPECT_TRUE(menu.Items(2)->IsLine());
    EXPECT_EQ(menu.Items(3)->Caption, L"&Close");
    EXPECT_EQ(menu.Items(3)->ShortCut, L"Alt+F4");
    // Rebuilt before each use, so the items follow the state.
    form->Skin->SetRollUpState(true);
    EXPECT_EQ(Bounds(wnd).Height(), 25);
    EXPECT_EQ(form->Skin->PrepareSystemMenu().Items(1)->Caption, L"&Restore");
    menu.Items(1)->Click();
    EXPECT_EQ(Bounds(wnd).Height(), 342);
    EXPECT_FALSE(form->Skin->RolledUp());
}

TEST_F(SkinFormWinTest, DestroyingTheControllerFirstGivesTheFormThePlatformFrameBack)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSingle);
    form->Show();
    Pump(30);
    HWND wnd = form->Handle();
    delete form->Skin;
    // Nothing of the controller answers any more; the window still works.
    EXPECT_EQ(SendMessageW(wnd, LumenQueryMessage, 0, 0), 0);
    SendMessageW(wnd, WM_TIMER, 0x4C01, 0);
    SendMessageW(wnd, WM_NCPAINT, 1, 0);
    SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU) << "the form's own caption buttons are back";
    Pump(30);
    form.reset();
}

TEST_F(SkinFormWinTest, DestroyingTheFormOrItsWindowFirstLeavesNoHandlerBehind)
{
    // The form goes with the controller on it, timers running.
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Skin->SetAlphaBlendAnimation(true);
    form->Show();
    form->Skin->TrackObjects(0, 0, true);
    form.reset();
    Pump(50);

    // The window goes first, the controller later.
    auto other = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    other->Show();
    Pump(20);
    other->DestroyHandle();
    EXPECT_FALSE(other->Skin->TakenOver());
    delete other->Skin;
    other.reset();
    Pump(20);
}

TEST_F(SkinFormWinTest, TheFadeInStepsOnATimerAndEndsOpaqueWithoutTheLayeredStyle)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Skin->SetAlphaBlendAnimation(true);
    HWND wnd = form->Handle();
    ShowWindow(wnd, SW_SHOW);
    // Show returned at once: the fade runs from the message loop.
    EXPECT_TRUE(form->Skin->FadeTimerRunning());
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 255;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags)) {
        EXPECT_LT(alpha, 255);
    }
    for (int i = 0; i < 300 && form->Skin->FadeTimerRunning(); ++i)
        Pump(10);
    EXPECT_FALSE(form->Skin->FadeTimerRunning());
    EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SkinFormWinTest, MaximizingFillsTheWorkAreaAndAMaximizedWindowCannotBeDragged)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Show();
    Pump(20);
    HWND wnd = form->Handle();
    const Rect before = Bounds(wnd);
    form->Skin->ChangeWindowState(TWindowState::wsMaximized);
    RECT work {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const Rect screen { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    Rect expected = MaximizedRect({ work.left, work.top, work.right, work.bottom }, screen, screen, false);
    EXPECT_EQ(Bounds(wnd), expected);
    RECT moved { expected.Left + 40, expected.Top + 40, expected.Right + 40, expected.Bottom + 40 };
    SendMessageW(wnd, WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&moved));
    EXPECT_EQ(moved.left, expected.Left);
    EXPECT_EQ(moved.top, expected.Top);
    form->Skin->ChangeWindowState(TWindowState::wsNormal);
    EXPECT_EQ(Bounds(wnd), before);
    EXPECT_EQ(form->Skin->RecordedWindowState(), TWindowState::wsNormal);
}

TEST_F(SkinFormWinTest, SkinChangesAndRemovingTheSkinLeaveNoObjectsOrTimersBehind)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Show();
    Pump(20);
    HWND wnd = form->Handle();
    auto skin = LoadStoredSkin(nullptr);
    ASSERT_FALSE(skin->Empty);
    form->Skin->SetSkinData(skin.get());
    EXPECT_TRUE(form->Skin->SkinReady());
    ASSERT_NE(form->Skin->Frame(), nullptr);
    EXPECT_TRUE(form->Skin->Frame()->Skinned());
    Pump(20);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const WPARAM id = reinterpret_cast<WPARAM>(static_cast<TComponent*>(skin.get()));
    for (int i = 0; i < 30; ++i) {
        SendMessageW(wnd, SKM_BEFORECHANGESKIN, id, SkinMessageLParam);
        EXPECT_FALSE(form->Skin->Frame()->Skinned()) << "objects into the old skin were kept";
        EXPECT_EQ(form->Skin->LiveTimers(), 0);
        SendMessageW(wnd, SKM_CHANGESKIN, id, SkinMessageLParam);
        SendMessageW(wnd, SKM_AFTERCHANGESKIN, id, SkinMessageLParam);
        SendMessageW(wnd, WM_NCPAINT, 1, 0);
        SetWindowPos(wnd, nullptr, 0, 0, 300 + i, 250 + i, SWP_NOMOVE | SWP_NOZORDER);
        Pump(2);
    }
    EXPECT_TRUE(form->Skin->Frame()->Skinned());
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 4);
    EXPECT_LE(form->Skin->LiveTimers(), 1);

    // A load that fails leaves the skin empty: the fallback frame comes back
    // and the window stays usable; a good load later skins it again.
    SendMessageW(wnd, SKM_BEFORECHANGESKIN, id, SkinMessageLParam);
    skin->Empty = true;
    SendMessageW(wnd, SKM_CHANGESKIN, id, SkinMessageLParam);
    EXPECT_FALSE(form->Skin->SkinReady());
    EXPECT_FALSE(form->Skin->Frame()->Skinned());
    SendMessageW(wnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(HitAt(wnd, 100, 10), HTCAPTION);
    EXPECT_EQ(SendMessageW(wnd, LumenQueryMessage, 0, 0), LumenQuerySkinned);
    SendMessageW(wnd, SKM_BEFORECHANGESKIN, id, SkinMessageLParam);
    skin->Empty = false;
    SendMessageW(wnd, SKM_CHANGESKIN, id, SkinMessageLParam);
    EXPECT_TRUE(form->Skin->Frame()->Skinned());

    // The skin goes: the controller frees what pointed into it and paints its own frame.
    skin.reset();
    EXPECT_EQ(form->Skin->SkinData(), nullptr);
    EXPECT_FALSE(form->Skin->SkinReady());
    EXPECT_FALSE(form->Skin->Frame()->Skinned());
    SendMessageW(wnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(HitAt(wnd, 100, 10), HTCAPTION);
}

TEST_F(SkinFormWinTest, AFormThatIsNotTheMainFormMinimizesToTheBottomLeftAndComesBack)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Show();
    Pump(20);
    HWND wnd = form->Handle();
    const Rect before = Bounds(wnd);
    form->Skin->ChangeWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(form->Skin->RecordedWindowState(), TWindowState::wsMinimized);
    const Rect work = GetWorkArea(wnd, true);
    const Rect r = Bounds(wnd);
    EXPECT_EQ(r.Left, work.Left);
    EXPECT_EQ(r.Bottom, work.Bottom);
    EXPECT_EQ(r.Height(), 25) << "the caption alone";
    EXPECT_TRUE(IsWindowVisible(wnd)) << "the platform's minimize is not used";
    // The system menu of a minimized form restores it, and has no roll-up.
    TMenuItem& menu = form->Skin->PrepareSystemMenu();
    bool rollUp = false;
    TMenuItem* restore = nullptr;
    for (int i = 0; i < menu.Count(); ++i) {
        rollUp |= menu.Items(i)->Name() == L"LSF_ROLLUP";
        if (menu.Items(i)->Name() == L"LSF_RESTORE")
            restore = menu.Items(i);
    }
    EXPECT_FALSE(rollUp);
    ASSERT_NE(restore, nullptr);
    restore->Click();
    EXPECT_EQ(Bounds(wnd), before);
    EXPECT_EQ(form->Skin->RecordedWindowState(), TWindowState::wsNormal);
}

TEST_F(SkinFormWinTest, MagneticSnappingHoldsTheWindowOnTheWorkAreaEdge)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Skin->SetMagnetic(true);
    form->Show();
    Pump(20);
    HWND wnd = form->Handle();
    const Rect work = GetWorkArea(wnd, true);
    SetCursorPos(work.Left + 50, work.Top + 200);
    SendMessageW(wnd, WM_ENTERSIZEMOVE, 0, 0);
    RECT nearEdge { work.Left + 3, work.Top + 180, work.Left + 303, work.Top + 380 };
    SendMessageW(wnd, WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&nearEdge));
    EXPECT_EQ(nearEdge.left, work.Left);
    EXPECT_EQ(nearEdge.right - nearEdge.left, 300);
    // The pointer moves 40 pixels on: the window follows it from the edge.
    SetCursorPos(work.Left + 90, work.Top + 200);
    RECT farAway { work.Left + 40, work.Top + 180, work.Left + 340, work.Top + 380 };
    SendMessageW(wnd, WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&farAway));
    EXPECT_EQ(farAway.left, work.Left + 40) << "farther away the window lets go";
    SendMessageW(wnd, WM_EXITSIZEMOVE, 0, 0);
}

TEST_F(SkinFormWinTest, ThePrivateFrameMessagesPaintTheFrameIntoTheGivenContext)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSingle);
    form->Show();
    Pump(20);
    HWND wnd = form->Handle();
    const Rect r = Bounds(wnd);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.Width(), r.Height());
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all { 0, 0, r.Width(), r.Height() };
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(SendMessageW(wnd, LumenPrintFrameMessage, reinterpret_cast<WPARAM>(dc), 0), LumenPrintFrameAnswer);
    // The caption's grey stripes and the button face of the border reached the context.
    EXPECT_NE(GetPixel(dc, 1, 1) & 0xFFFFFF, 0u);
    EXPECT_NE(GetPixel(dc, 100, 10) & 0xFFFFFF, 0u);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(SendMessageW(wnd, LumenPrintFrame2Message, reinterpret_cast<WPARAM>(dc), LumenPrintFrame2Key),
        LumenPrintFrame2Key);
    EXPECT_NE(GetPixel(dc, 100, 10) & 0xFFFFFF, 0u);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST_F(SkinFormWinTest, AResizeWithAStretchedClientBackgroundTellsTheChildren)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Show();
    HWND wnd = form->Handle();
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, wnd, nullptr, nullptr, nullptr);
    int told = 0;
    TSubclass counter(child, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == ParentBackgroundChangedMessage && wp == 0 && lp == 0)
            ++told;
        return CallPreviousProc(w, m, wp, lp);
    });
    auto skin = LoadStoredSkin(nullptr);
    form->Skin->SetSkinData(skin.get());
    SetWindowPos(wnd, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(told, 0) << "a background that is not stretched needs no redraw";
    SendMessageW(wnd, SKM_BEFORECHANGESKIN, reinterpret_cast<WPARAM>(skin.get()), SkinMessageLParam);
    skin->StretchEffect = true;
    SendMessageW(wnd, SKM_CHANGESKIN, reinterpret_cast<WPARAM>(skin.get()), SkinMessageLParam);
    told = 0;
    SetWindowPos(wnd, nullptr, 0, 0, 440, 320, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GE(told, 1);
    counter.Reset();
    form.reset();
}

TEST_F(SkinFormWinTest, TurningTheSkinnableFormOffHandsTheFrameToThePlatformAndBack)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    form->Show();
    HWND wnd = form->Handle();
    auto skin = LoadStoredSkin(nullptr);
    form->Skin->SetSkinData(skin.get());
    const WPARAM id = reinterpret_cast<WPARAM>(skin.get());
    skin->SetSkinnableForm(false);
    SendMessageW(wnd, SKM_CHANGESKINNABLE, id, SkinMessageLParam);
    EXPECT_FALSE(form->Skin->Skinned());
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU) << "the platform's caption buttons are back";
    EXPECT_NE(HitAt(wnd, 100, 12), HitObject);
    EXPECT_EQ(SendMessageW(wnd, LumenQueryMessage, 0, 0), LumenQueryPlain);
    skin->SetSkinnableForm(true);
    SendMessageW(wnd, SKM_CHANGESKINNABLE, id, SkinMessageLParam);
    EXPECT_TRUE(form->Skin->Skinned());
    EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(form->Skin->Frame()->Skinned());
    form.reset();
}

TEST_F(SkinFormWinTest, ASkinTrayIconTakesTheTrayMenuAndTheFormGoesToTheTrayAndBack)
{
    auto form = std::make_unique<TestForm>(TBorderStyle::bsSizeable);
    auto* tray = new TlxTrayIcon(form.get());
    std::vector<DWORD> shell;
    tray->ShellNotify = [&](DWORD message, NOTIFYICONDATAA*) {
        shell.push_back(message);
        return TRUE;
    };
    int toTray = 0, fromTray = 0;
    form->Skin->OnMinimizeToTray = [&](TComponent*) { ++toTray; };
    form->Skin->OnRestoreFromTray = [&](TComponent*) { ++fromTray; };
    // Without a tray icon both are refused.
    form->Skin->MinimizeToTray();
    EXPECT_EQ(toTray, 0);
    form->Skin->SetTrayIcon(tray);
    ASSERT_EQ(tray->PopupMenu(), &form->Skin->TrayMenu());
    TMenuItem& items = form->Skin->TrayMenu().Items();
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Items(0)->Name(), L"TRAY_LSF_RESTORE");
    EXPECT_EQ(items.Items(0)->Caption, L"&Restore");
    EXPECT_TRUE(items.Items(1)->IsLine());
    EXPECT_EQ(items.Items(2)->Name(), L"TRAY_LSF_CLOSE");
    EXPECT_EQ(items.Items(2)->ShortCut, L"Alt+F4");
    EXPECT_TRUE(static_cast<bool>(tray->OnDblClick));
    EXPECT_FALSE(tray->IconVisible()) << "hidden while the window shows";

    form->Show();
    Pump(20);
    form->Skin->MinimizeToTray();
    EXPECT_EQ(toTray, 1);
    EXPECT_TRUE(tray->MinimizeToTray);
    tray->OnDblClick(tray);
    EXPECT_EQ(fromTray, 1);
    EXPECT_FALSE(tray->MinimizeToTray);
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    // The tray icon goes first: the controller forgets it.
    delete tray;
    EXPECT_EQ(form->Skin->TrayIcon(), nullptr);
    form->Skin->RestoreFromTray();
    EXPECT_EQ(fromTray, 1);
}

} // namespace
} // namespace ventro

// The skinned hint window and the skin tray icon through real windows and
// messages: two-line hints, the corner placement, the stored skin's hint
// picture growing with the text, the object hint's timers; single and double
// clicks, the menu at the pointer, icon cycling, the 127-byte tip, and the
// icon coming back after the taskbar is re-created.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "platform/Application.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "skin/menus/lxTrayIcon.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/skin_menus/StoredSkin.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using testing::StoredSkin;

using test::Pump;

class HintTrayWinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"HintTrayWinTest");
    }
    void SetUp() override { owner = std::make_unique<TComponent>(nullptr); }
    void TearDown() override { owner.reset(); }
    std::unique_ptr<TComponent> owner;
};

TEST_F(HintTrayWinTest, ALineSeparatorGivesTwoLines)
{
    auto* hint = new TlxSkinHint(owner.get());
    hint->ShowHint(100, 100, L"Minimize");
    const int oneLine = hint->Window().Shown().Content.Text.Height;
    hint->ShowHint(100, 100, L"Minimize@to the tray");
    EXPECT_EQ(hint->Window().Shown().Text, L"Minimize\n\rto the tray");
    EXPECT_GE(hint->Window().Shown().Content.Text.Height, 2 * oneLine - 1);
    EXPECT_TRUE(hint->Window().Showing());
}

TEST_F(HintTrayWinTest, AHintAtTheBottomRightCornerMovesLeftAndUp)
{
    auto* hint = new TlxSkinHint(owner.get());
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    hint->ShowHint(sw - 4, sh - 4, L"Corner");
    RECT r;
    GetWindowRect(hint->Window().Handle(), &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_EQ(r.left, sw - 4 - w - 2);
    EXPECT_EQ(r.top, sh - 4 - h - 2);
}

TEST_F(HintTrayWinTest, StoredSkinHintGrowsByTheTextExtentPlusFive)
{
    auto* hint = new TlxSkinHint(owner.get());
    hint->SetSkinData(&StoredSkin());
    hint->ShowHint(50, 50, L"Close");
    const HintPaintInput& shown = hint->Window().Shown();
    ASSERT_TRUE(shown.Look.Skinned());
    EXPECT_EQ(shown.Geometry.Moved.C.Width(), shown.Content.Text.Width + 5);
    RECT r;
    GetWindowRect(hint->Window().Handle(), &r);
    EXPECT_EQ(r.right - r.left, shown.Content.Text.Width + 5 + (40 - 34));
    EXPECT_EQ(hint->Window().Buffer().Width(), r.right - r.left);
}

TEST_F(HintTrayWinTest, ObjectHintShowsAfterThePauseAndHidesAfterTheHidePause)
{
    auto* hint = new TlxSkinHint(owner.get());
    hint->HintPause = 50;
    hint->HintHidePause = 150;
    hint->QueueObjectHint(L"Roll up");
    EXPECT_FALSE(hint->Window().Showing());
    Pump(100);
    EXPECT_TRUE(hint->Window().Showing());
    EXPECT_TRUE(hint->TimerRunning());
    Pump(250);
    EXPECT_FALSE(hint->Window().Showing());
    EXPECT_FALSE(hint->TimerRunning());
    hint->QueueObjectHint(L"Again");
    hint->HideObjectHint();
    EXPECT_FALSE(hint->TimerRunning());
}

struct ShellCall {
    DWORD Message;
    NOTIFYICONDATAA Data;
};

class TrayTest : public HintTrayWinTest {
protected:
    void SetUp() override
    {
        HintTrayWinTest::SetUp();
        tray = new TlxTrayIcon(owner.get());
        tray->ShellNotify = [this](DWORD message, NOTIFYICONDATAA* data) {
            calls.push_back({ message, *data });
            return TRUE;
        };
        tray->OnClick = [this](TComponent*) { ++clicks; };
        tray->OnDblClick = [this](TComponent*) { ++doubleClicks; };
    }
    void Mouse(UINT message) { SendMessageW(tray->ReceiverWindow(), TlxTrayIcon::CallbackMessage, 1, message); }

    TlxTrayIcon* tray = nullptr;
    std::vector<ShellCall> calls;
    int clicks = 0, doubleClicks = 0;
};

TEST_F(TrayTest, OneClickGivesOneOnClickAndNoDoubleClick)
{
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0) << "not before the double-click time has passed";
    Pump(GetDoubleClickTime() + 150);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
}

TEST_F(TrayTest, ADoubleClickGivesOneOnDblClickAndNoClick)
{
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    Pump(GetDoubleClickTime() + 150);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(TrayTest, ARightClickOpensTheMenuAtThePointer)
{
    auto* skinMenu = new TlxSkinMenu(owner.get());
    auto* popup = new TlxSkinPopupMenu(owner.get());
    testing::AddItem(popup->Items(), L"&Restore");
    testing::AddItem(popup->Items(), L"E&xit");
    tray->SetPopupMenu(popup);
    SetCursorPos(300, 200);
    Mouse(WM_RBUTTONDOWN);
    ASSERT_TRUE(skinMenu->Visible());
    const PopupLevel& level = skinMenu->Engine().Level(0);
    EXPECT_EQ(level.Position.X, 300);
    EXPECT_EQ(level.Position.Y, 200);
    EXPECT_EQ(popup->PopupComponent, tray);
    skinMenu->CloseAll();
    SetCursorPos(0, 0);
}

TEST_F(TrayTest, CyclingThroughThreeIcons)
{
    auto* icons = new TImageList(owner.get());
    testing::FillDemoImages(*icons);
    ASSERT_EQ(icons->Count(), 3);
    tray->SetIconList(icons);
    std::vector<int> next;
    tray->OnCycle = [&](TComponent*, int index) { next.push_back(index); };
    std::vector<int> shown { tray->IconIndex() };
    for (int i = 0; i < 3; ++i) {
        tray->Cycle();
        shown.push_back(tray->IconIndex());
    }
    EXPECT_EQ(shown, (std::vector<int> { 0, 1, 2, 0 }));
    EXPECT_EQ(next, (std::vector<int> { 1, 2, 0 }));
    tray->SetIconIndex(9);
    EXPECT_EQ(tray->IconIndex(), 2);
    delete icons;
    EXPECT_EQ(tray->IconList(), nullptr);
}

TEST_F(TrayTest, TheTipIsCutTo127Characters)
{
    tray->SetHint(std::wstring(200, L'x'));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(std::strlen(calls.back().Data.szTip), 127u);
    EXPECT_EQ(TrayTip127(std::wstring(100, L'拨'), 936).size(), 126u) << "a double-byte character is never split";
}

TEST_F(TrayTest, TheIconComesBackAfterTheTaskbarIsRecreated)
{
    tray->AddTrayIcon();
    calls.clear();
    SendMessageW(Application().Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Message, DWORD(NIM_ADD));
    EXPECT_EQ(calls[0].Data.hWnd, tray->ReceiverWindow());

    tray->RemoveTrayIcon();
    calls.clear();
    SendMessageW(Application().Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(calls.empty()) << "a hidden icon stays hidden";
}

TEST_F(TrayTest, DestroyedInAnyOrderWithItsHooks)
{
    auto* second = new TlxTrayIcon(owner.get());
    second->ShellNotify = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    delete tray;
    tray = nullptr;
    SendMessageW(Application().Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    delete second;
    SendMessageW(Application().Handle(), WM_SIZE, SIZE_RESTORED, 0);
}

} // namespace
} // namespace ventro

// Where the menus, the hint and the skin tray icon follow their rules to the
// letter, through real windows and messages: a menu that replaces an open
// one shows at once, fades that keep their length when the platform's timer
// ticks slowly, the hint's default font and its rich title, and the tray
// icon's start minimized and its focus step on activation.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Text.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "skin/menus/lxTrayIcon.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using testing::AddItem;

BYTE AlphaOf(HWND wnd)
{
    BYTE alpha = 255;
    DWORD flags = 0;
    GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags);
    return alpha;
}

// Runs the dispatch in steps of at least 16 ms, as a platform whose timer
// ticks every 15.6 ms would, until done() or 60 steps; returns the steps.
int StepsOf16ms(const std::function<bool()>& done)
{
    int steps = 0;
    while (!done() && steps < 60) {
        Sleep(16);
        Application().ProcessMessages();
        ++steps;
    }
    return steps;
}

class ExactWinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"MenusExactWinTest");
    }
    void SetUp() override
    {
        if (!CanLayerWindows(PlatformVersion()))
            GTEST_SKIP() << "no layered windows here";
        owner = std::make_unique<TComponent>(nullptr);
    }
    void TearDown() override
    {
        owner.reset();
        test::Pump(20);
    }
    std::unique_ptr<TComponent> owner;
};

class MenusExactTest : public ExactWinTest {
protected:
    void SetUp() override
    {
        ExactWinTest::SetUp();
        if (IsSkipped())
            return;
        menu = new TlxSkinMenu(owner.get());
        menu->AlphaBlend = true;
        menu->AlphaBlendAnimation = true;
        menu->AlphaBlendValue = 200;
        first = std::make_unique<TMenuItem>(nullptr);
        AddItem(*first, L"One");
        AddItem(*first, L"Two");
        second = std::make_unique<TMenuItem>(nullptr);
        AddItem(*second, L"Three");
    }
    HWND TopWindow() { return static_cast<TlxSkinPopupWindow*>(menu->Engine().Level(0).Window)->Handle(); }
    TlxSkinMenu* menu = nullptr;
    std::unique_ptr<TMenuItem> first, second;
};

TEST_F(MenusExactTest, AMenuThatReplacesAnOpenOneShowsAtItsAlphaWithoutFading)
{
    menu->Popup(nullptr, nullptr, false, first.get(), Rect { 200, 150, 200, 150 }, 0);
    ASSERT_TRUE(menu->Visible());
    EXPECT_EQ(AlphaOf(TopWindow()), 0) << "the first menu of a chain fades in from 0";
    menu->Popup(nullptr, nullptr, false, second.get(), Rect { 260, 150, 260, 150 }, 0);
    ASSERT_TRUE(menu->Visible());
    EXPECT_EQ(menu->Engine().Level(0).Entries.size(), 1u);
    EXPECT_EQ(AlphaOf(TopWindow()), 200) << "a menu that replaced an open one does not fade";
    test::Pump(60);
    EXPECT_EQ(AlphaOf(TopWindow()), 200);
    menu->CloseAll();
    // Closed first, the next one is a first popup again.
    menu->Popup(nullptr, nullptr, false, second.get(), Rect { 260, 150, 260, 150 }, 0);
    EXPECT_EQ(AlphaOf(TopWindow()), 0);
    menu->CloseAll();
}

TEST_F(MenusExactTest, AMenuFadeKeepsItsLengthWhenTheTimerTicksEvery16ms)
{
    // 200 in steps of 10, one step per 5 ms: 100 ms, so seven ticks of 16 ms.
    menu->Popup(nullptr, nullptr, false, first.get(), Rect { 200, 150, 200, 150 }, 0);
    const HWND wnd = TopWindow();
    const int steps = StepsOf16ms([&] { return AlphaOf(wnd) >= 200; });
    EXPECT_EQ(AlphaOf(wnd), 200);
    EXPECT_LE(steps, 8) << "one alpha step per tick instead of per 5 ms";
    menu->CloseAll();
}

TEST_F(ExactWinTest, AHintFadeKeepsItsLengthWhenTheTimerTicksEvery16ms)
{
    // 240 in steps of 20, one step per 3 ms: 36 ms, so three ticks of 16 ms.
    auto* hint = new TlxSkinHint(owner.get());
    hint->AlphaBlend = true;
    hint->AlphaBlendAnimation = true;
    hint->AlphaBlendValue = 240;
    hint->ShowHint(100, 100, L"Fading");
    const HWND wnd = hint->Window().Handle();
    EXPECT_LT(AlphaOf(wnd), 240);
    const int steps = StepsOf16ms([&] { return AlphaOf(wnd) >= 240; });
    EXPECT_EQ(AlphaOf(wnd), 240);
    EXPECT_LE(steps, 4) << "one alpha step per tick instead of per 3 ms";
}

TEST_F(ExactWinTest, TheHintsDefaultFontIsTheFrameworksDefaultFont)
{
    auto* hint = new TlxSkinHint(owner.get());
    auto form = std::make_unique<TForm>(&Application());
    const TFontDesc& framework = form->Font();
    EXPECT_EQ(hint->DefaultFont.Name, WideToAnsi(framework.Name));
    EXPECT_EQ(hint->DefaultFont.Height, framework.Height);
    EXPECT_EQ(hint->DefaultFont.CharSet, framework.Charset);
    EXPECT_EQ(hint->DefaultFont.Style.Bits, 0);
    // A plain hint is drawn in it.
    hint->ShowHint(100, 100, L"Plain");
    EXPECT_EQ(hint->Window().Shown().Font, hint->DefaultFont);
}

TEST_F(ExactWinTest, ARichHintsTitleIsMeasuredWithTheHintsOwnFont)
{
    auto* hint = new TlxSkinHint(owner.get());
    const std::wstring title = L"A title much longer than the text";
    hint->PrepareHint(title);
    hint->ShowHint(100, 100, L"Text");
    const HintPaintInput& shown = hint->Window().Shown();
    const Extent plain = hint->Painter().Measure(hint->DefaultFont, title, TextSingleLine);
    TextFont bold = hint->DefaultFont;
    bold.Style.Bits |= TFontStyles::fsBold;
    ASSERT_NE(hint->Painter().Measure(bold, title, TextSingleLine).Width, plain.Width) << "the fonts do not differ";
    EXPECT_EQ(shown.Content.Title.Width, plain.Width);
    // Without skin the window is the title's width (wider than the text) plus 4.
    RECT r;
    GetWindowRect(hint->Window().Handle(), &r);
    EXPECT_EQ(r.right - r.left, plain.Width + 4);
}

class TrayForm : public TForm {
public:
    TrayForm() : TForm(&Application())
    {
        SetBounds(100, 100, 300, 200);
        FinishCreate();
    }
};

TEST_F(ExactWinTest, ATrayIconMinimizedOnStartKeepsTheMainFormFromShowing)
{
    auto form = std::make_unique<TrayForm>();
    auto* tray = new TlxTrayIcon(form.get());
    std::vector<DWORD> shell;
    tray->ShellNotify = [&](DWORD message, NOTIFYICONDATAA*) {
        shell.push_back(message);
        return TRUE;
    };
    ASSERT_TRUE(Application().ShowMainForm);
    tray->MinimizedOnStart = true;
    tray->Loaded();
    EXPECT_FALSE(Application().ShowMainForm) << "the application would show its main form at start";
    EXPECT_TRUE(tray->MinimizeToTray);
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_FALSE(IsWindowVisible(Application().Handle()));
    ASSERT_FALSE(shell.empty());
    EXPECT_EQ(shell.back(), DWORD(NIM_ADD));
    Application().ShowMainForm = true;
    delete tray;
}

TEST_F(ExactWinTest, ActivatingTheOwnerGivesTheFocusBackToItsActiveControl)
{
    auto form = std::make_unique<TrayForm>();
    auto* tray = new TlxTrayIcon(form.get());
    tray->ShellNotify = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    TWinControl::Params params;
    params.Bounds = Rect { 10, 10, 110, 30 };
    auto* active = new TEdit(form.get(), params);
    form->Show();
    test::Pump(20);
    form->SetActiveControl(active);
    // A window of the form that is no control of it takes the focus.
    HWND other = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, form->Handle(), nullptr,
        nullptr, nullptr);
    SetFocus(other);
    ASSERT_EQ(GetFocus(), other);
    HWND elsewhere = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(form->Handle(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(elsewhere));
    EXPECT_EQ(GetFocus(), active->Handle());
    // Coming from the control itself, the focus stays where it is.
    SetFocus(other);
    SendMessageW(form->Handle(), WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(active->Handle()));
    EXPECT_EQ(GetFocus(), other);
    DestroyWindow(elsewhere);
    DestroyWindow(other);
    delete tray;
}

} // namespace
} // namespace ventro

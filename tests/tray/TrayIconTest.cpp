#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Text.h"
#include "platform/Wait.h"
#include "tray/TrayIcon.h"
#include "tray/TrayTip.h"

using namespace ventro;

namespace {

// A popup menu that records where it was opened instead of tracking a menu.
class RecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override
    {
        if (Log)
            Log->push_back("popup");
        At = { x, y };
        ++Count;
    }
    std::vector<std::string>* Log = nullptr;
    POINT At {};
    int Count = 0;
};

class CountingTrayIcon : public TTrayIcon {
public:
    using TTrayIcon::TTrayIcon;
    void UpdateIcon() override
    {
        ++Updates;
        TTrayIcon::UpdateIcon();
    }
    int Updates = 0;
};

// Whether the notification area holds the icon: only a present icon can be modified.
bool IconPresent(TTrayIcon& tray)
{
    NOTIFYICONDATAA data = tray.IconData();
    return Shell_NotifyIconA(NIM_MODIFY, &data);
}

void Pump() { Application().ProcessMessages(); }

IconHandle MakeIcon(int size)
{
    std::vector<BYTE> andMask(size * size / 8, 0x00), xorMask(size * size / 8, 0xFF);
    return IconHandle(CreateIcon(GetModuleHandleW(nullptr), size, size, 1, 1, andMask.data(), xorMask.data()));
}

int IconWidth(HICON icon)
{
    ICONINFO info {};
    if (!GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap {};
    GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return bitmap.bmWidth;
}

std::string Name(TMouseButton button)
{
    return button == TMouseButton::mbLeft ? "L" : button == TMouseButton::mbRight ? "R" : "M";
}

class TrayIconTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"TrayIconTest");
        Application().OnException = [](const std::wstring& text) { ADD_FAILURE() << WideToUtf8(text); };
    }

    void SetUp() override
    {
        m_owner = std::make_unique<TComponent>(nullptr);
        m_tray = new TTrayIcon(m_owner.get());
        m_menu = new RecordingMenu(m_owner.get());
        m_menu->Log = &m_log;
        m_tray->SetPopupMenu(m_menu);
        m_tray->OnRestore = [this](TComponent*) { m_log.push_back("restore"); };
        m_tray->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState, int, int) { m_log.push_back("down " + Name(b)); };
        m_tray->OnMouseUp = [this](TComponent*, TMouseButton b, TShiftState, int, int) { m_log.push_back("up " + Name(b)); };
        m_tray->OnMuuseMove = [this](TComponent*, TShiftState, int, int) { m_log.push_back("move"); };
    }

    void TearDown() override
    {
        m_owner.reset();
        HWND app = Application().Handle();
        if (IsIconic(app) || !IsWindowVisible(app))
            ShowWindow(app, SW_RESTORE);
        Pump();
    }

    std::vector<std::string> Send(UINT mouseMessage)
    {
        m_log.clear();
        PostMessageW(m_tray->Handle(), TTrayIcon::CallbackMessage, m_tray->IconData().uID, mouseMessage);
        Pump();
        return m_log;
    }

    using Log = std::vector<std::string>;
    std::unique_ptr<TComponent> m_owner;
    TTrayIcon* m_tray = nullptr;
    RecordingMenu* m_menu = nullptr;
    Log m_log;
};

} // namespace

TEST_F(TrayIconTest, StartsHiddenWithTheFirstVersionRecordAndItsOwnIdentifier)
{
    EXPECT_FALSE(m_tray->Visible());
    EXPECT_TRUE(m_tray->Hide());
    EXPECT_EQ(m_tray->RestoreOn(), TTrayIconMessage::imDoubleClick);
    EXPECT_EQ(m_tray->PopupMenuOn(), TTrayIconMessage::imNone);
    EXPECT_EQ(m_tray->IconIndex(), 0);
    EXPECT_EQ(m_tray->AnimateInterval(), 1000u);
    EXPECT_FALSE(m_tray->TimerRunning());
    EXPECT_FALSE(IconPresent(*m_tray));

    const NOTIFYICONDATAA& data = m_tray->IconData();
    EXPECT_EQ(data.cbSize, DWORD(NOTIFYICONDATAA_V1_SIZE));
    // Its hidden window is made when first needed, and then named in the record.
    EXPECT_EQ(data.hWnd, nullptr);
    HWND wnd = m_tray->Handle();
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_EQ(data.hWnd, wnd);
    EXPECT_EQ(m_tray->Handle(), wnd);
    EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(data.uCallbackMessage, 0x401u);
    EXPECT_NE(data.hIcon, nullptr);
    EXPECT_EQ(data.hIcon, m_tray->CurrentIcon());
    // The icon is the component's own copy, not the one it was copied from.
    EXPECT_NE(m_tray->CurrentIcon(), LoadIconW(nullptr, IDI_APPLICATION));

    TTrayIcon other(nullptr);
    EXPECT_NE(other.IconData().uID, data.uID);
    EXPECT_NE(UINT_PTR(data.uID), UINT_PTR(m_tray) & 0xFFFFFFFF);
}

TEST_F(TrayIconTest, VisibleAddsAndRemovesTheIconAndRaisesOnRefusal)
{
    m_tray->SetVisible(true);
    EXPECT_TRUE(IconPresent(*m_tray));
    try {
        m_tray->SetVisible(true);
        ADD_FAILURE() << "a second add of the same icon was accepted";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Cannot Create System Shell Notification Icon");
    }
    m_tray->SetVisible(false);
    EXPECT_FALSE(IconPresent(*m_tray));
    try {
        m_tray->SetVisible(false);
        ADD_FAILURE() << "removing a missing icon was accepted";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Cannot Remove System Shell Notification Icon");
    }

    // Destruction takes the icon away.
    m_tray->SetVisible(true);
    NOTIFYICONDATAA data = m_tray->IconData();
    delete m_tray;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

TEST_F(TrayIconTest, HintIsStoredOnlyWhenNewAndShorterThan64Characters)
{
    auto* tray = new CountingTrayIcon(m_owner.get());
    tray->Updates = 0;
    tray->SetHint(L"VentroADSL");
    EXPECT_EQ(tray->Updates, 1);
    EXPECT_STREQ(tray->IconData().szTip, "VentroADSL");
    EXPECT_TRUE(tray->IconData().uFlags & NIF_TIP);

    tray->SetHint(L"VentroADSL");
    EXPECT_EQ(tray->Updates, 1);

    const std::wstring longest(63, L'x');
    tray->SetHint(longest);
    EXPECT_EQ(tray->Hint(), longest);
    EXPECT_EQ(std::string(tray->IconData().szTip), std::string(63, 'x'));
    tray->SetHint(std::wstring(64, L'y'));
    EXPECT_EQ(tray->Hint(), longest);
    EXPECT_EQ(std::string(tray->IconData().szTip), std::string(63, 'x'));

    tray->SetHint(L"");
    EXPECT_EQ(tray->Hint(), L"");
    EXPECT_FALSE(tray->IconData().uFlags & NIF_TIP);
    EXPECT_STREQ(tray->IconData().szTip, "");
    EXPECT_EQ(tray->IconData().uFlags, UINT(NIF_MESSAGE | NIF_ICON));
}

TEST(TrayTip, CutsAt63BytesWithoutSplittingADoubleByteCharacter)
{
    const UINT gbk = 936;
    const std::wstring chinese(40, L'\u62E8'); // 拨, two bytes each
    for (const std::wstring& hint : std::vector<std::wstring> { chinese, L"a" + chinese, L"ab" + chinese, L"VentroADSL\u62E8\u53F7\u5668" }) {
        std::string tip = TrayTipText(hint, gbk);
        EXPECT_LE(tip.size(), 63u);
        // Whole characters only: the bytes read back as the start of the hint.
        std::wstring back = AnsiToWide(tip, gbk);
        EXPECT_EQ(hint.substr(0, back.size()), back);
        EXPECT_EQ(WideToAnsi(back, gbk), tip);
        if (WideToAnsi(hint, gbk).size() > 63) {
            EXPECT_GE(tip.size(), 62u);
        }
    }
    EXPECT_EQ(TrayTipText(chinese, gbk).size(), 62u);
    EXPECT_EQ(TrayTipText(L"a" + chinese, gbk).size(), 63u);
    EXPECT_EQ(TrayTipText(L"VentroADSL\u62E8\u53F7\u5668", gbk), WideToAnsi(L"VentroADSL\u62E8\u53F7\u5668", gbk));
}

TEST_F(TrayIconTest, ChineseHintGoesIntoTheTipInTheAnsiCodePage)
{
    if (GetACP() != 936)
        GTEST_SKIP() << "ANSI code page is " << GetACP();
    const std::wstring hint = std::wstring(L"VentroADSL") + std::wstring(30, L'\u62E8');
    m_tray->SetHint(hint);
    EXPECT_EQ(m_tray->Hint(), hint);
    EXPECT_EQ(std::string(m_tray->IconData().szTip), TrayTipText(hint, 936));
    EXPECT_EQ(std::string(m_tray->IconData().szTip).size(), 62u);
}

TEST_F(TrayIconTest, MouseMessagesDispatchToEventsRestoreAndPopup)
{
    using M = TTrayIconMessage;
    struct Case {
        M restoreOn;
        M popupOn;
        bool withClick;
        UINT message;
        Log expected;
    };
    const Case cases[] = {
        { M::imDoubleClick, M::imNone, false, WM_LBUTTONDBLCLK, { "restore" } },
        { M::imDoubleClick, M::imNone, false, WM_RBUTTONDBLCLK, { "restore" } },
        { M::imDoubleClick, M::imNone, false, WM_MBUTTONDBLCLK, { "restore" } },
        { M::imDoubleClick, M::imNone, false, WM_LBUTTONDOWN, { "down L" } },
        { M::imDoubleClick, M::imNone, false, WM_LBUTTONUP, { "up L" } },
        { M::imLeftDoubleClick, M::imNone, false, WM_LBUTTONDBLCLK, { "restore" } },
        { M::imLeftDoubleClick, M::imNone, false, WM_RBUTTONDBLCLK, {} },
        { M::imRightDoubleClick, M::imRightDoubleClick, false, WM_RBUTTONDBLCLK, { "restore", "popup" } },
        // A click restores only when OnClick is set, because only then is it dispatched.
        { M::imClick, M::imNone, false, WM_LBUTTONUP, { "up L" } },
        { M::imClick, M::imClick, true, WM_LBUTTONUP, { "restore", "popup", "click", "up L" } },
        { M::imLeftClickUp, M::imLeftClickUp, false, WM_LBUTTONUP, { "up L", "restore", "popup" } },
        { M::imMouseDown, M::imMouseDown, false, WM_RBUTTONDOWN, { "restore", "popup", "down R" } },
        { M::imMouseUp, M::imRightClickUp, false, WM_RBUTTONUP, { "restore", "up R", "popup" } },
        { M::imNone, M::imNone, false, WM_MBUTTONDOWN, { "down M" } },
        { M::imNone, M::imNone, false, WM_MBUTTONUP, { "up M" } },
        { M::imMouseUp, M::imNone, false, WM_MBUTTONUP, { "restore", "up M" } },
        // Moves are reported only when OnClick is set.
        { M::imNone, M::imNone, false, WM_MOUSEMOVE, {} },
        { M::imNone, M::imNone, true, WM_MOUSEMOVE, { "move" } },
        { M::imNone, M::imNone, true, WM_LBUTTONDBLCLK, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message << " restoreOn " << int(c.restoreOn)
                                        << " popupOn " << int(c.popupOn) << " click " << c.withClick);
        m_tray->SetRestoreOn(c.restoreOn);
        m_tray->SetPopupMenuOn(c.popupOn);
        m_tray->OnClick = c.withClick ? TNotifyEvent([this](TComponent*) { m_log.push_back("click"); }) : nullptr;
        EXPECT_EQ(Send(c.message), c.expected);
    }
}

TEST_F(TrayIconTest, EventsGetTheShiftStateAndTheCursorPosition)
{
    BYTE saved[256] {}, keys[256] {};
    GetKeyboardState(saved);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    TShiftState shift;
    POINT at { -1, -1 };
    m_tray->OnMouseDown = [&](TComponent* sender, TMouseButton, TShiftState s, int x, int y) {
        EXPECT_EQ(sender, m_tray);
        shift = s;
        at = { x, y };
    };
    Send(WM_RBUTTONDOWN);
    SetKeyboardState(saved);
    POINT cursor {};
    GetCursorPos(&cursor);
    EXPECT_EQ(shift, (TShiftState { TShift::ssShift, TShift::ssCtrl, TShift::ssRight }));
    EXPECT_EQ(at.x, cursor.x);
    EXPECT_EQ(at.y, cursor.y);

    Send(WM_MBUTTONDOWN);
    EXPECT_EQ(shift, TShiftState { TShift::ssMiddle });
}

TEST_F(TrayIconTest, PopupOpensAtTheCursorAndTheLinkIsClearedWhenTheMenuGoes)
{
    m_tray->PopupAtCursor();
    POINT cursor {};
    GetCursorPos(&cursor);
    EXPECT_EQ(m_menu->Count, 1);
    EXPECT_EQ(m_menu->At.x, cursor.x);
    EXPECT_EQ(m_menu->At.y, cursor.y);

    // A menu of another owner is let go of too.
    TComponent otherOwner(nullptr);
    auto* foreign = new RecordingMenu(&otherOwner);
    m_tray->SetPopupMenu(foreign);
    delete foreign;
    EXPECT_EQ(m_tray->PopupMenu(), nullptr);
    m_tray->SetPopupMenuOn(TTrayIconMessage::imRightClickUp);
    EXPECT_EQ(Send(WM_RBUTTONUP), (Log { "up R" }));
}

TEST_F(TrayIconTest, MinimizeHidesTheTaskbarEntryAndADoubleClickBringsItBack)
{
    TApplication& app = Application();
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    int minimized = 0;
    m_tray->OnMinimize = [&](TComponent*) { ++minimized; };
    m_tray->SetVisible(true);

    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(app.IsMinimized());
    EXPECT_FALSE(IsWindowVisible(app.Handle()));

    EXPECT_EQ(Send(WM_LBUTTONDBLCLK), (Log { "restore" }));
    EXPECT_FALSE(app.IsMinimized());
    EXPECT_TRUE(IsWindowVisible(app.Handle()));

    // Without Hide the minimized application keeps its taskbar entry.
    m_tray->SetHide(false);
    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 2);
    EXPECT_TRUE(app.IsMinimized());
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
    // Setting Hide while minimized hides it at once.
    m_tray->SetHide(true);
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
    m_log.clear();
    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(m_log, (Log { "restore" }));
    EXPECT_FALSE(app.IsMinimized());
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
}

TEST_F(TrayIconTest, TheHookIsInstalledOnlyWhileVisible)
{
    TApplication& app = Application();
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    int minimized = 0;
    m_tray->OnMinimize = [&](TComponent*) { ++minimized; };
    m_tray->SetVisible(true);
    m_tray->SetVisible(false);
    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 0);
    EXPECT_TRUE(app.IsMinimized());
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);

    // A destroyed component leaves no hook behind.
    m_tray->SetVisible(true);
    delete m_tray;
    SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 0);
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
}

TEST_F(TrayIconTest, SessionEndAndTaskbarRestartAndUnlistedMessages)
{
    m_tray->SetVisible(true);
    HWND wnd = m_tray->Handle();
    EXPECT_EQ(SendMessageW(wnd, WM_QUERYENDSESSION, 0, 0), 1);
    // A cancelled end of session keeps the icon.
    SendMessageW(wnd, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IconPresent(*m_tray));
    SendMessageW(wnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(IconPresent(*m_tray));

    // A restarted taskbar has forgotten every icon; the component adds its own again.
    SendMessageW(wnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconPresent(*m_tray));

    // Other messages get the platform's default handling.
    SetWindowTextW(wnd, L"tray");
    EXPECT_EQ(WindowText(wnd), L"tray");
}

TEST_F(TrayIconTest, AnimationStepsThroughTheImageListAndNeedsOne)
{
    m_tray->SetAnimate(true);
    EXPECT_FALSE(m_tray->Animate());
    EXPECT_FALSE(m_tray->TimerRunning());

    auto* icons = new TImageList(m_owner.get());
    for (int size : { 16, 24, 32 })
        icons->Add(MakeIcon(size));
    m_tray->SetIcons(icons);
    m_tray->SetVisible(true);
    m_tray->SetAnimate(true);
    EXPECT_TRUE(m_tray->Animate());
    EXPECT_TRUE(m_tray->TimerRunning());

    std::vector<int> widths;
    std::vector<int> indexes;
    for (int step = 0; step < 4; ++step) {
        m_tray->NextIcon();
        indexes.push_back(m_tray->IconIndex());
        widths.push_back(IconWidth(m_tray->CurrentIcon()));
        EXPECT_EQ(m_tray->IconData().hIcon, m_tray->CurrentIcon());
    }
    EXPECT_EQ(indexes, (std::vector<int> { 1, 2, 0, 1 }));
    EXPECT_EQ(widths, (std::vector<int> { 24, 32, 16, 24 }));
    EXPECT_TRUE(IconPresent(*m_tray));

    // OnAnimate starts out as the component's own step.
    m_tray->OnAnimate(m_tray);
    EXPECT_EQ(m_tray->IconIndex(), 2);

    // The timer drives the same step.
    m_tray->SetAnimateInterval(10);
    for (int i = 0; i < 500 && m_tray->IconIndex() == 2; ++i)
        WaitProcessingMessages(10);
    EXPECT_NE(m_tray->IconIndex(), 2);

    m_tray->SetAnimate(false);
    EXPECT_FALSE(m_tray->TimerRunning());

    // An index outside the list keeps the icon.
    m_tray->SetIconFromIndex(1);
    HICON before = m_tray->CurrentIcon();
    m_tray->SetIconFromIndex(7);
    EXPECT_EQ(m_tray->IconIndex(), 7);
    EXPECT_EQ(m_tray->CurrentIcon(), before);
    m_tray->SetIconFromIndex(-1);
    EXPECT_EQ(m_tray->CurrentIcon(), before);
    m_tray->NextIcon();
    EXPECT_EQ(m_tray->IconIndex(), 0);
    EXPECT_EQ(IconWidth(m_tray->CurrentIcon()), 16);

    // The list going away unlinks it and stops the animation.
    m_tray->SetAnimate(true);
    delete icons;
    EXPECT_EQ(m_tray->Icons(), nullptr);
    EXPECT_FALSE(m_tray->TimerRunning());
    m_tray->SetIconFromIndex(2);
    EXPECT_EQ(IconWidth(m_tray->CurrentIcon()), 16);

    m_tray->UseApplicationIcon();
    EXPECT_EQ(IconWidth(m_tray->CurrentIcon()), GetSystemMetrics(SM_CXICON));
}

TEST_F(TrayIconTest, LoadedTakesTheImageOrTheApplicationIcon)
{
    // Read as a window definition would set the values.
    auto* icons = new TImageList(m_owner.get());
    for (int size : { 16, 24, 32 })
        icons->Add(MakeIcon(size));
    auto* tray = new TTrayIcon(m_owner.get());
    tray->BeginReading();
    tray->SetAnimate(true);
    tray->SetIcons(icons);
    tray->SetIconIndex(2);
    tray->Loaded();
    EXPECT_TRUE(tray->Animate());
    EXPECT_TRUE(tray->TimerRunning());
    EXPECT_EQ(IconWidth(tray->CurrentIcon()), 32);

    auto* plain = new TTrayIcon(m_owner.get());
    plain->BeginReading();
    plain->SetAnimate(true);
    EXPECT_TRUE(plain->Animate());
    plain->Loaded();
    EXPECT_FALSE(plain->Animate());
    EXPECT_FALSE(plain->TimerRunning());
    EXPECT_NE(plain->CurrentIcon(), nullptr);
}

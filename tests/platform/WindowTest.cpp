// The window base, the subclass chain, the one dispatch, deferred release,
// timers and frame-aware forms, under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/CustomWindow.h"
#include "platform/Form.h"
#include "platform/MessageWindow.h"
#include "platform/Release.h"
#include "platform/Subclass.h"
#include "platform/Timer.h"
#include "platform/Wait.h"
#include "tests/support/Pump.h"

using namespace ventro;

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;
constexpr UINT WM_NESTED = WM_APP + 2;

class ControlsForm : public TForm {
public:
    explicit ControlsForm(TComponent* owner) : TForm(owner)
    {
        First = new TEdit(this, { nullptr, 11, { 10, 10, 110, 31 }, L"" });
        Second = new TEdit(this, { nullptr, 12, { 10, 40, 110, 61 }, L"" });
        Button = new TButton(this, { nullptr, 13, { 10, 70, 85, 95 }, L"按钮(&B)" });
        FinishCreate();
    }
    TEdit* First;
    TEdit* Second;
    TButton* Button;
    std::vector<WPARAM> Commands;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        // The dialog manager turns Escape into the cancel command.
        if (message == WM_COMMAND && lParam == 0)
            Commands.push_back(LOWORD(wParam));
        return TForm::HandleMessage(message, wParam, lParam, result);
    }
};

// Every handler of a test window writes its name into one log.
SubclassHandler Recorder(std::vector<std::string>& log, std::string name)
{
    return [&log, name](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PROBE)
            log.push_back(name);
        return CallPreviousProc(wnd, message, wParam, lParam);
    };
}

// A frame of 3, 22, 3 and 3 pixels, as a skinned caption has.
TSubclass TakeOverWithCaptionFrame(TForm& form)
{
    return form.TakeOver([](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NCCALCSIZE) {
            RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
            r.left += 3;
            r.top += 22;
            r.right -= 3;
            r.bottom -= 3;
            return 0;
        }
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
}

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"WindowTest");
    }
    void SetUp() override
    {
        Application().OnException = [this](const std::wstring& text) { Reports.push_back(text); };
        Form = new ControlsForm(&Application());
    }
    void TearDown() override
    {
        delete Form;
        Application().ProcessMessages();
        Application().OnException = nullptr;
    }
    std::vector<std::string> Probe()
    {
        Log.clear();
        SendMessageW(Form->Handle(), WM_PROBE, 0, 0);
        return Log;
    }
    ControlsForm* Form = nullptr;
    std::vector<std::string> Log;
    std::vector<std::wstring> Reports;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(WindowTest, SubclassTokensGoInAnyOrder)
{
    TSubclass a(Form->Handle(), Recorder(Log, "a"));
    TSubclass b(Form->Handle(), Recorder(Log, "b"));
    TSubclass c(Form->Handle(), Recorder(Log, "c"));
    // The newest handler sees a message first.
    EXPECT_EQ(Probe(), (Names { "c", "b", "a" }));
    b.Reset();
    EXPECT_EQ(Probe(), (Names { "c", "a" }));
    a.Reset();
    EXPECT_EQ(Probe(), (Names { "c" }));
    c.Reset();
    EXPECT_EQ(Probe(), Names {});
    // The form's own handling is still there.
    SetWindowTextW(Form->Handle(), L"标题");
    EXPECT_EQ(Form->Caption(), L"标题");
}

TEST_F(WindowTest, ReinstallingAHandlerNeitherRecursesNorDoubles)
{
    TSubclass a(Form->Handle(), Recorder(Log, "a"));
    TSubclass b(Form->Handle(), Recorder(Log, "b"));
    a.Attach(Form->Handle());
    a.Attach(Form->Handle());
    // Re-installing keeps the handler's place; it runs once per message.
    EXPECT_EQ(Probe(), (Names { "b", "a" }));
    // Detached and attached again, it goes on top.
    a.Detach();
    EXPECT_FALSE(a.Installed());
    a.Attach(Form->Handle());
    EXPECT_EQ(Probe(), (Names { "a", "b" }));
}

TEST_F(WindowTest, ATokenMayGoWhileItsOwnMessageIsHandled)
{
    TSubclass inner(Form->Handle(), Recorder(Log, "inner"));
    TSubclass outer;
    outer = TSubclass(Form->Handle(), [&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PROBE) {
            Log.push_back("outer");
            // A nested message during which both tokens go.
            SendMessageW(wnd, WM_NESTED, 0, 0);
            // This handler's own state is still alive, and the chain below still works.
            Log.push_back("after");
        }
        if (message == WM_NESTED) {
            inner.Reset();
            outer.Reset();
        }
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    EXPECT_EQ(Probe(), (Names { "outer", "after" }));
    EXPECT_FALSE(outer.Installed());
    EXPECT_EQ(Probe(), Names {});
}

TEST_F(WindowTest, AHandlerThatThrowsIsReportedAndTheWindowGoesOn)
{
    TSubclass thrower(Form->Handle(), [](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_PROBE)
            throw Exception("探测失败");
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    SendMessageW(Form->Handle(), WM_PROBE, 0, 0);
    EXPECT_EQ(Reports, std::vector<std::wstring> { L"探测失败." });
    SetWindowTextW(Form->Handle(), L"x");
    EXPECT_EQ(Form->Caption(), L"x");
}

TEST_F(WindowTest, AControlRoutesItsCommandsAfterBeingSubclassed)
{
    int clicks = 0;
    Form->Button->OnClick = [&] { ++clicks; };
    TSubclass button(Form->Button->Handle(), Recorder(Log, "button"));
    TSubclass form(Form->Handle(), Recorder(Log, "form"));
    SendMessageW(Form->Button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(TWinControl::FromHandle(Form->Button->Handle()), Form->Button);
    EXPECT_EQ(TWinControl::FromHandle(Form->Handle()), nullptr);
    EXPECT_EQ(TCustomWindow::FromHandle(Form->Handle()), Form);
    EXPECT_EQ(TCustomWindow::FromHandle(Form->Button->Handle()), nullptr);
}

TEST_F(WindowTest, TheTakeoverSeesTheWholeLifeOfARecreatedWindow)
{
    std::vector<UINT> seen;
    std::vector<HWND> windows;
    TSubclass takeover = Form->TakeOver([&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        seen.push_back(message);
        if (message == WM_NCCREATE)
            windows.push_back(wnd);
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    Form->SetCaption(L"重建");
    Form->SetBounds(40, 50, 320, 240);
    HWND before = Form->Handle();
    Form->RecreateWnd();
    HWND after = Form->Handle();
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_FALSE(IsWindow(before));
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0], after);
    // The takeover was there before the window's first message.
    auto nccreate = std::find(seen.begin(), seen.end(), UINT(WM_NCCREATE));
    auto destroy = std::find(seen.begin(), seen.end(), UINT(WM_NCDESTROY));
    EXPECT_LT(destroy - seen.begin(), nccreate - seen.begin()) << "the old window's end comes first";
    EXPECT_NE(std::find(nccreate, seen.end(), UINT(WM_NCCALCSIZE)), seen.end());
    EXPECT_NE(std::find(nccreate, seen.end(), UINT(WM_CREATE)), seen.end());
    // The object, its text, bounds and controls (in tab order) live on.
    EXPECT_EQ(TCustomWindow::FromHandle(after), Form);
    EXPECT_EQ(Form->Caption(), L"重建");
    EXPECT_EQ(Form->BoundsRect(), (Rect { 40, 50, 360, 290 }));
    EXPECT_EQ(GetParent(Form->First->Handle()), after);
    EXPECT_EQ(GetNextDlgTabItem(after, Form->First->Handle(), FALSE), Form->Second->Handle());
    Log.clear();
    TSubclass probe(after, Recorder(Log, "probe"));
    EXPECT_EQ(Probe(), Names { "probe" });
    // The controls still route their commands to the new window.
    int clicks = 0;
    Form->Button->OnClick = [&] { ++clicks; };
    SendMessageW(Form->Button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowTest, BorderChangesKeepTheBitsTheyDoNotOwn)
{
    HWND wnd = Form->Handle();
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(wnd, 0, 200, LWA_ALPHA);
    EnableWindow(wnd, FALSE);
    Form->SetBorderIcons({ true, true, false });
    Form->SetBorderStyle(TBorderStyle::bsSingle);
    LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(style & WS_DISABLED);
    EXPECT_FALSE(IsWindowEnabled(wnd));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    Form->SetBorderStyle(TBorderStyle::bsToolWindow);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EnableWindow(wnd, TRUE);
}

TEST_F(WindowTest, ClientSizeHoldsUnderAFrameOfATakeoversOwn)
{
    TSubclass frame = TakeOverWithCaptionFrame(*Form);
    Form->FrameChanged();
    Form->SetClientSize(251, 317);
    EXPECT_EQ(Form->ClientWidth(), 251);
    EXPECT_EQ(Form->ClientHeight(), 317);
    Rect bounds = Form->BoundsRect();
    EXPECT_EQ(bounds.Width(), 257);
    EXPECT_EQ(bounds.Height(), 342);
    EXPECT_EQ(Form->WindowState(), TWindowState::wsNormal);
    // Without the takeover the platform's frame is back, and measured again.
    frame.Reset();
    Form->FrameChanged();
    Form->SetClientSize(200, 100);
    EXPECT_EQ(Form->ClientWidth(), 200);
    EXPECT_EQ(Form->ClientHeight(), 100);
}

TEST_F(WindowTest, ClientBoundsPlaceAndSizeAHiddenFormInOneMove)
{
    Form->SetBorderStyle(TBorderStyle::bsSingle);
    int moves = 0;
    TSubclass count = Form->TakeOver([&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_WINDOWPOSCHANGED)
            ++moves;
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    Form->SetClientBounds(307, 130, 251, 317);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(Form->ClientWidth(), 251);
    EXPECT_EQ(Form->ClientHeight(), 317);
    Rect bounds = Form->BoundsRect();
    EXPECT_EQ(bounds.Left, 307);
    EXPECT_EQ(bounds.Top, 130);
    // Already there: nothing moves.
    Form->SetClientBounds(307, 130, 251, 317);
    EXPECT_EQ(moves, 1);
    // Only the corner changes: the size stays.
    Form->SetClientBounds(10, 20, 251, 317);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(Form->BoundsRect().Left, 10);
    EXPECT_EQ(Form->BoundsRect().Top, 20);
    EXPECT_EQ(Form->ClientWidth(), 251);
}

namespace {
// A form read as a window definition reads: its place and client size first,
// then a component that takes the frame over and keeps the client size.
class ReadForm : public TForm {
public:
    explicit ReadForm(TComponent* owner, int& moves) : TForm(owner)
    {
        Counter = TakeOver([&moves](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_WINDOWPOSCHANGED) {
                auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
                if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
                    ++moves;
            }
            return CallPreviousProc(wnd, message, wParam, lParam);
        });
        SetBorderStyle(TBorderStyle::bsSingle);
        SetPosition(TPosition::poScreenCenter);
        SetClientBounds(307, 130, 251, 317);
        EXPECT_EQ(ClientWidth(), 251);
        EXPECT_EQ(ClientHeight(), 317);
        const int width = ClientWidth(), height = ClientHeight();
        Frame = TakeOverWithCaptionFrame(*this);
        FrameChanged();
        SetClientSize(width, height);
        EXPECT_EQ(moves, 0) << "the window moved while it was read";
        FinishCreate();
    }
    TSubclass Counter;
    TSubclass Frame;
};
}

TEST_F(WindowTest, AFormReadWithItsPlaceMovesOnceUnderItsFinalFrameToTheCentre)
{
    int moves = 0;
    auto* form = new ReadForm(&Application(), moves);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(form->ClientWidth(), 251);
    EXPECT_EQ(form->ClientHeight(), 317);
    Rect bounds = form->BoundsRect();
    EXPECT_EQ(bounds.Width(), 257);
    EXPECT_EQ(bounds.Height(), 342);
    EXPECT_EQ(bounds.Left, (GetSystemMetrics(SM_CXSCREEN) - 257) / 2);
    EXPECT_EQ(bounds.Top, (GetSystemMetrics(SM_CYSCREEN) - 342) / 2);
    // Already in the centre: showing it moves nothing.
    form->Show();
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(form->BoundsRect(), bounds);
    delete form;
}

TEST_F(WindowTest, AHiddenFormsNewFrameIsMeasuredWhenItShows)
{
    Form->SetClientSize(200, 100);
    int measured = 0;
    TSubclass frame = Form->TakeOver([&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NCCALCSIZE) {
            if (wParam)
                ++measured;
            RECT& r = *reinterpret_cast<RECT*>(lParam);
            InflateRect(&r, -5, -5);
            return 0;
        }
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    Rect before = Form->BoundsRect();
    Form->FrameChanged();
    Form->FrameChanged();
    // Not measured yet, but the form already tells the client size it will have.
    EXPECT_EQ(measured, 0);
    EXPECT_EQ(Form->ClientWidth(), before.Width() - 10);
    EXPECT_EQ(Form->ClientHeight(), before.Height() - 10);
    Form->Show();
    EXPECT_EQ(measured, 1) << "two changes of a hidden frame, one measurement";
    RECT client;
    GetClientRect(Form->Handle(), &client);
    EXPECT_EQ(client.right, before.Width() - 10);
    EXPECT_EQ(client.bottom, before.Height() - 10);
    EXPECT_EQ(Form->BoundsRect().Width(), before.Width());
    // A visible form's frame is measured at once.
    frame.Reset();
    Form->FrameChanged();
    GetClientRect(Form->Handle(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
}

TEST_F(WindowTest, AFilterSeesEscapeBeforeTheDialogManager)
{
    Form->Show();
    Form->First->SetFocus();
    ASSERT_TRUE(Form->First->Focused());
    std::vector<WPARAM> keys;
    bool take = true;
    TMessageFilter filter = Application().AddMessageFilter([&](MSG& msg) {
        if (msg.message != WM_KEYDOWN)
            return false;
        keys.push_back(msg.wParam);
        return take;
    });
    PostMessageW(Form->First->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Application().ProcessMessages();
    EXPECT_EQ(keys, std::vector<WPARAM> { VK_ESCAPE });
    EXPECT_TRUE(Form->Commands.empty()) << "a taken key never reaches the dialog manager";
    // Not taken, the same key goes on to the dialog manager: the cancel command.
    take = false;
    PostMessageW(Form->First->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Application().ProcessMessages();
    EXPECT_EQ(keys.size(), 2u);
    EXPECT_EQ(Form->Commands, std::vector<WPARAM> { IDCANCEL });
    // A removed filter sees nothing more.
    filter.Reset();
    PostMessageW(Form->First->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Application().ProcessMessages();
    EXPECT_EQ(keys.size(), 2u);
}

TEST_F(WindowTest, WaitsDispatchThroughTheDialogManager)
{
    Form->Show();
    Form->First->SetFocus();
    ASSERT_TRUE(Form->First->Focused());
    // Tab pressed while a wait runs moves the focus, as in the main loop.
    PostMessageW(Form->First->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    WaitProcessingMessages(50);
    EXPECT_TRUE(Form->Second->Focused());
    // An accelerator (Alt+B) presses its button during a wait.
    int clicks = 0;
    Form->Button->OnClick = [&] { ++clicks; };
    PostMessageW(Form->Second->Handle(), WM_SYSCHAR, L'b', 0x20300001);
    WaitProcessingMessages(50);
    EXPECT_EQ(clicks, 1);
}

namespace {

// A window that ends itself from inside its own handler.
class SelfEndingWindow : public TCustomWindow {
public:
    SelfEndingWindow(TComponent* owner, bool& destroyed) : TCustomWindow(owner), m_destroyed(destroyed) { CreateHandle(); }
    ~SelfEndingWindow() override { m_destroyed = true; }
    int Handled = 0;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE) {
            Release();
            // A wait inside the handler must not take the window away under it.
            WaitProcessingMessages(30);
            ++Handled;
            return 0;
        }
        return DefaultHandler(message, wParam, lParam);
    }

private:
    bool& m_destroyed;
};

} // namespace

TEST_F(WindowTest, AWindowReleasedInItsOwnHandlerGoesAfterTheHandler)
{
    bool destroyed = false;
    auto* window = new SelfEndingWindow(Form, destroyed);
    HWND wnd = window->Handle();
    PostMessageW(wnd, WM_PROBE, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, wnd, WM_PROBE, WM_PROBE, PM_REMOVE));
    Application().DispatchOne(msg);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(PendingReleaseCount(), 0);
    // Its owner no longer lists it.
    for (TComponent* c : Form->Components())
        EXPECT_NE(c, static_cast<TComponent*>(window));
}

TEST_F(WindowTest, AReleasedComponentItsOwnerFreesFirstIsNotFreedTwice)
{
    bool destroyed = false;
    auto* window = new SelfEndingWindow(Form, destroyed);
    window->Release();
    EXPECT_EQ(PendingReleaseCount(), 1);
    delete window;
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(PendingReleaseCount(), 0);
    Application().ProcessMessages();
}

TEST_F(WindowTest, ATimerMayFreeItselfInItsOwnTick)
{
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    int ticks = 0;
    timer->SetInterval(20);
    timer->OnTimer = [&] {
        ++ticks;
        delete timer;
        timer = nullptr;
    };
    WaitProcessingMessages(150);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(owner.ComponentCount(), 0);

    auto* released = new TTimer(&owner);
    bool stillThere = false;
    released->SetInterval(20);
    released->OnTimer = [&] {
        ReleaseComponent(released);
        // Released, not yet gone.
        stillThere = released->Interval() == 20;
    };
    WaitProcessingMessages(150);
    EXPECT_TRUE(stillThere);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(WindowTest, AnEnabledTimerRunsFromItsConstructionOnOneSharedWindow)
{
    TComponent owner(nullptr);
    auto* first = new TTimer(&owner);
    auto* second = new TTimer(&owner);
    EXPECT_TRUE(first->Enabled());
    EXPECT_TRUE(first->Running());
    first->SetInterval(25);
    second->SetInterval(25);
    int ticks = 0;
    first->OnTimer = [&] { ++ticks; };
    second->OnTimer = [&] { ++ticks; };
    WaitProcessingMessages(200);
    EXPECT_GE(ticks, 4);
    HWND timers = Application().TimerWindowHandle();
    ASSERT_NE(timers, nullptr);
    int windows = 0;
    for (HWND w = nullptr; (w = FindWindowExW(HWND_MESSAGE, w, L"VentroTimerWindow", nullptr)) != nullptr;)
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId())
            ++windows;
    EXPECT_EQ(windows, 1);
}

TEST_F(WindowTest, AHiddenFormGetsItsIconWhenTheProgramWaitsAVisibleOneAtOnce)
{
    auto iconOf = [&](WPARAM which) { return reinterpret_cast<HICON>(SendMessageW(Form->Handle(), WM_GETICON, which, 0)); };
    HICON first = LoadIconW(nullptr, IDI_APPLICATION);
    HICON second = LoadIconW(nullptr, IDI_INFORMATION);
    Form->SetIcon(first);
    EXPECT_EQ(Form->Icon(), first);
    EXPECT_EQ(iconOf(ICON_SMALL), nullptr) << "the hidden window was handed its icon before the first paint";
    // A second change while hidden: the window gets the newest icon, once.
    Form->SetIcon(second);
    test::PumpUntilIdle();
    EXPECT_EQ(iconOf(ICON_SMALL), second);
    EXPECT_EQ(iconOf(ICON_BIG), second);

    Form->Show();
    Form->SetIcon(first);
    EXPECT_EQ(iconOf(ICON_SMALL), first);
    EXPECT_EQ(iconOf(ICON_BIG), first);
}

TEST_F(WindowTest, TheApplicationWindowShowsAfterTheMainFormWhenTheProgramWaits)
{
    HWND app = Application().Handle();
    ASSERT_NE(app, nullptr);
    auto showOnStart = [&] {
        ShowWindow(app, SW_HIDE);
        auto* main = Application().CreateForm<TForm>();
        EXPECT_EQ(Application().MainForm(), main);
        Application().ShowMainFormOnStart();
        EXPECT_TRUE(IsWindowVisible(main->Handle()));
        EXPECT_FALSE(IsWindowVisible(app)) << "the application window was shown on the way to the first answer";
        return main;
    };
    TForm* main = showOnStart();
    test::PumpUntilIdle();
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_FALSE(IsIconic(app));
    delete main;

    // Minimized before the program waits: the show comes first, as if it
    // had waited, and the minimize then holds, also when a tray icon hides
    // the window.
    main = showOnStart();
    Application().Minimize();
    EXPECT_TRUE(IsIconic(app));
    ShowWindow(app, SW_HIDE);
    test::PumpUntilIdle();
    EXPECT_TRUE(IsIconic(app));
    EXPECT_FALSE(IsWindowVisible(app)) << "the show waiting for the idle time came after the minimize";
    Application().Restore();
    test::PumpUntilIdle();
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_FALSE(IsIconic(app));
    delete main;
    ShowWindow(app, SW_HIDE);
    EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(WindowTest, AMessageOnlyWindowHearsWhatIsPostedButNoBroadcast)
{
    std::vector<UINT> heard;
    const UINT probe = RegisterWindowMessageW(L"VentroTestBroadcast");
    auto handler = [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message == probe || message == WM_APP) {
            heard.push_back(message);
            result = 0;
            return true;
        }
        return false;
    };
    MessageWindow quiet(handler, MessageWindow::Reach::MessagesOnly);
    MessageWindow listening(handler);
    EXPECT_NE(GetAncestor(quiet.Handle(), GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetAncestor(listening.Handle(), GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(quiet.Handle()));
    PostMessageW(quiet.Handle(), WM_APP, 0, 0);
    SendMessageTimeoutW(HWND_BROADCAST, probe, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
    WaitProcessingMessages(50);
    // The posted message reached the message-only window; the broadcast only the top-level one.
    EXPECT_EQ(std::count(heard.begin(), heard.end(), probe), 1);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), UINT(WM_APP)), 1);
}

namespace {

// A popup of the kind menus and hints use: no activation, no taskbar entry.
class PopupWindow : public TCustomWindow {
public:
    explicit PopupWindow(TComponent* owner) : TCustomWindow(owner) { }
    int Activations = 0;

protected:
    void CreateParams(TCreateParams& params) override
    {
        params.ClassName = L"VentroTestPopup";
        params.ClassStyle = ClassStyleSaveBits | ClassStyleDropShadow;
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        params.X = 100;
        params.Y = 100;
        params.Width = 120;
        params.Height = 80;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEACTIVATE)
            return MA_NOACTIVATE;
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
            ++Activations;
        return DefaultHandler(message, wParam, lParam);
    }
};

} // namespace

TEST_F(WindowTest, PopupWindowsComeFromTheirCreationParameters)
{
    Form->Show();
    auto* popup = new PopupWindow(Form);
    EXPECT_FALSE(popup->HandleAllocated());
    HWND wnd = popup->HandleNeeded();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(GetClassLongPtrW(wnd, GCL_STYLE) & CS_SAVEBITS);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    ShowWindow(wnd, SW_SHOWNA);
    SendMessageW(wnd, WM_MOUSEACTIVATE, WPARAM(Form->Handle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(popup->Activations, 0);
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_EQ(TCustomWindow::FromHandle(wnd), popup);
    popup->DestroyHandle();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(popup->HandleAllocated());
}

TEST_F(WindowTest, TheReadingStatePassesToOwnedComponents)
{
    TComponent owner(nullptr);
    owner.BeginReading();
    auto* child = new TComponent(&owner);
    auto* grandChild = new TComponent(child);
    EXPECT_TRUE(child->IsReading());
    EXPECT_TRUE(grandChild->IsReading());
    owner.Loaded();
    EXPECT_FALSE(child->IsReading());
    EXPECT_FALSE(grandChild->IsReading());
}

// The program's life as the platform layer carries it: keys during a dial
// wait, the focus after a restore from the tray, the error mode it leaves
// alone, closing twice, and an orderly end that takes the tray icon away.
#include "tests/e2e/E2E.h"

#include <shellapi.h>

#include <atomic>
#include <mutex>
#include <thread>

using namespace ventro;
using namespace ventro::e2e;
using namespace std::chrono_literals;

namespace {

const std::wstring Disconnected = L"断线成功！";

// A dial that takes its time: the window waits in it for several seconds.
const wchar_t* const SlowDial = L"[宽带连接]\r\nStepDelayMs=1500\r\nIpAddress=10.1.2.3\r\n";

class LifetimeTest : public AppTest {
protected:
    void StartWithPhonebook(const std::wstring& phonebook)
    {
        std::wstring path = folder.File(L"rasphone.pbk");
        WriteAnsiFile(path, phonebook);
        Start({ L"RASSIM_PHONEBOOK=" + path });
    }
    std::vector<std::wstring> LogLines() const
    {
        std::wstring text = driver::TextOf(Control(ids::Memo1));
        std::vector<std::wstring> lines;
        size_t start = 0;
        for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    size_t Count(const std::wstring& line) const
    {
        auto lines = LogLines();
        return size_t(std::count(lines.begin(), lines.end(), line));
    }
    GUITHREADINFO ThreadInfo() const
    {
        GUITHREADINFO info { sizeof(info) };
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info;
    }
    HWND FocusInMain() const
    {
        HWND focus = ThreadInfo().hwndFocus;
        return focus && IsChild(main, focus) ? focus : nullptr;
    }
    static std::string ClassName(HWND wnd)
    {
        std::wstring name = driver::ClassOf(wnd);
        return std::string(name.begin(), name.end()); // class names here are ASCII
    }
    HWND ApplicationWindow() const
    {
        for (HWND wnd : app->TopLevelWindows())
            if (driver::ClassOf(wnd) == L"VentroApplication")
                return wnd;
        return nullptr;
    }
};

// Stands in for the shell's notification area: Shell_NotifyIcon finds the
// area's window by its class and hands it each request as WM_COPYDATA, the
// request (add, modify, delete) as the data's number and the icon's window
// as WParam. It runs on a thread of its own, so that the program's requests
// are answered while the test waits.
class FakeNotificationArea {
public:
    FakeNotificationArea()
    {
        m_thread = std::thread([this] { Run(); });
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return m_started; });
    }
    ~FakeNotificationArea()
    {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    HWND Window() const { return m_window; }
    // The icon windows of the requests of one kind, in order.
    std::vector<HWND> Requests(DWORD kind) const
    {
        std::lock_guard lock(m_mutex);
        std::vector<HWND> found;
        for (const auto& [k, wnd] : m_requests)
            if (k == kind)
                found.push_back(wnd);
        return found;
    }

private:
    void Run()
    {
        WNDCLASSW wc {};
        wc.lpfnWndProc = &FakeNotificationArea::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&wc);
        HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists from here on
        {
            std::lock_guard lock(m_mutex);
            m_window = wnd;
            m_threadId = GetCurrentThreadId();
            m_started = true;
        }
        m_ready.notify_all();
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        DestroyWindow(wnd);
        UnregisterClassW(wc.lpszClassName, wc.hInstance);
    }
    static LRESULT CALLBACK Proc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COPYDATA) {
            auto* self = reinterpret_cast<FakeNotificationArea*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
            auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (self && data) {
                std::lock_guard lock(self->m_mutex);
                self->m_requests.emplace_back(DWORD(data->dwData), reinterpret_cast<HWND>(wParam));
            }
            return TRUE;
        }
        return DefWindowProcW(wnd, message, wParam, lParam);
    }

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    bool m_started = false;
    HWND m_window = nullptr;
    DWORD m_threadId = 0;
    std::vector<std::pair<DWORD, HWND>> m_requests;
};

} // namespace

TEST_F(LifetimeTest, TabAndAltDWorkWhileADialWaits)
{
    StartWithPhonebook(SlowDial);
    driver::Click(Control(ids::BitBtn1));
    // The hang-up line is written; the dial sequence now waits for seconds.
    ASSERT_TRUE(driver::WaitUntil([&] { return Count(Disconnected) == 1; }));
    HWND before = FocusInMain();
    ASSERT_NE(before, nullptr) << "no control of the main window has the focus";
    PostMessageW(before, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageW(before, WM_KEYUP, VK_TAB, 0xC00F0001);
    EXPECT_TRUE(driver::WaitUntil([&] { return FocusInMain() && FocusInMain() != before; }, 2s))
        << "Tab did not move the focus during the wait";
    // Alt+D presses the Disconnect button: its own hang-up line appears
    // while the first sequence is still running.
    HWND focus = FocusInMain() ? FocusInMain() : before;
    PostMessageW(focus, WM_SYSCHAR, L'd', 0x20200001);
    EXPECT_TRUE(driver::WaitUntil([&] { return Count(Disconnected) >= 2; }, 2s)) << "Alt+D did nothing during the wait";
    auto lines = LogLines();
    for (const auto& line : lines)
        EXPECT_EQ(line.find(L"连接成功"), std::wstring::npos) << "the first dial was over already";
}

TEST_F(LifetimeTest, RestoringFromTheTrayActivatesTheMainWindowAndAControl)
{
    Start();
    HWND application = ApplicationWindow();
    ASSERT_NE(application, nullptr);
    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(main) && !IsWindowVisible(application); }));
    // A double click on the tray icon: its callback message on the tray's hidden window.
    for (HWND wnd : app->TopLevelWindows())
        if (driver::ClassOf(wnd) == L"VentroMessageWindow")
            PostMessageW(wnd, WM_USER + 1, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowVisible(main); }));
    EXPECT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == main; }, 3s))
        << "the foreground window is of class " << ClassName(GetForegroundWindow());
    EXPECT_TRUE(driver::WaitUntil([&] { return FocusInMain() != nullptr; }, 3s)) << "the keyboard focus is outside the main window";
    // The window manager's focus events arrive after the restore and may
    // pass through the application window; what counts is where it ends.
    EXPECT_TRUE(driver::WaitUntil([&] { return ThreadInfo().hwndActive == main; }, 3s))
        << "the active window is of class " << ClassName(ThreadInfo().hwndActive);
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_NE(FocusInMain(), nullptr);
}

TEST_F(LifetimeTest, TheProgramLeavesTheErrorModeAlone)
{
    // The program starts with no error mode of ours to inherit.
    UINT saved = SetErrorMode(0);
    Start();
    SetErrorMode(saved);
    // The program's own error mode, read by a thread started inside it.
    // GetErrorMode takes no argument and returns the mode: a thread's exit code.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, app->ProcessId());
    ASSERT_NE(process, nullptr);
    auto getErrorMode = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetErrorMode")));
    ASSERT_NE(getErrorMode, nullptr);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, getErrorMode, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    DWORD mode = 0;
    GetExitCodeThread(thread, &mode);
    CloseHandle(thread);
    CloseHandle(process);
    // No crash dialogs hidden by the product, none passed on to the browser
    // the banner starts.
    EXPECT_EQ(mode & (SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS), 0u);
}

TEST_F(LifetimeTest, ClosingTwiceDuringADialWaitReleasesTheHotKeyAtomOnce)
{
    // A reference of our own to the hot key's atom: a second delete by the
    // program would take it away.
    ATOM ours = GlobalAddAtomW(L"wwwHotkey");
    ASSERT_NE(ours, 0);
    StartWithPhonebook(SlowDial);
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(driver::WaitUntil([&] { return Count(Disconnected) == 1; }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app->Close(5s));
    EXPECT_EQ(GlobalFindAtomW(L"wwwHotkey"), ours);
    GlobalDeleteAtom(ours);
}

// The icon is added after the window has shown itself, and taken away at the end.
TEST_F(LifetimeTest, AtExitTheTrayIconIsDeletedAndTheProcessEndsWithinASecond)
{
    FakeNotificationArea area;
    ASSERT_EQ(FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr), area.Window())
        << "the program would talk to another notification area";
    Start();
    ASSERT_TRUE(driver::WaitUntil([&] { return !area.Requests(NIM_ADD).empty(); }));
    HWND icon = area.Requests(NIM_ADD).front();
    EXPECT_TRUE(area.Requests(NIM_DELETE).empty());
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(app->Close(5s));
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(elapsed.count(), 1000) << "the program took " << elapsed.count() << " ms to end";
    auto deleted = area.Requests(NIM_DELETE);
    ASSERT_FALSE(deleted.empty()) << "the tray icon was left behind";
    EXPECT_EQ(deleted.back(), icon);
}

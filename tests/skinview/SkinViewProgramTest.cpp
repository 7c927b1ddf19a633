// The real skinview.exe under Wine, driven from outside: the stored skin it
// carries, the window region as it is resized, a skin file that cannot be
// read, the fade-in switch, a refused command line, and a clean end.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

template<typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 10s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

std::wstring TextOf(HWND wnd)
{
    wchar_t text[512] {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

std::wstring ClassOf(HWND wnd)
{
    wchar_t name[128] {};
    GetClassNameW(wnd, name, 128);
    return name;
}

RECT Bounds(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return r;
}

RECT RegionBox(HWND wnd)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box {};
    if (GetWindowRgn(wnd, region) != ERROR)
        GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

// skinview.exe started with `arguments`, ended when the test is over.
class SkinView {
public:
    explicit SkinView(const std::wstring& arguments)
    {
        std::wstring exe = VENTRO_SKINVIEW_EXE;
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup { sizeof(startup) };
        CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info);
        if (m_info.hProcess)
            WaitForInputIdle(m_info.hProcess, 10000);
    }
    ~SkinView()
    {
        if (!m_info.hProcess)
            return;
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hProcess);
        CloseHandle(m_info.hThread);
    }
    SkinView(const SkinView&) = delete;
    SkinView& operator=(const SkinView&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    // The visible top-level window of the program whose class is `className`
    // (any, when empty), waiting for it.
    HWND WaitForWindow(const std::wstring& className = {}) const
    {
        HWND found = nullptr;
        WaitUntil([&] {
            found = Find(className);
            return found != nullptr;
        });
        return found;
    }
    // Ends with the window closed; true when the process ended in time with `code`.
    bool EndsWith(DWORD code, std::chrono::milliseconds timeout = 10s) const
    {
        if (WaitForSingleObject(m_info.hProcess, DWORD(timeout.count())) != WAIT_OBJECT_0)
            return false;
        DWORD exit = 0;
        GetExitCodeProcess(m_info.hProcess, &exit);
        return exit == code;
    }

private:
    HWND Find(const std::wstring& className) const
    {
        struct Search {
            DWORD Process;
            const std::wstring* Class;
            HWND Found = nullptr;
        } search { m_info.dwProcessId, &className };
        EnumWindows(
            [](HWND wnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD process = 0;
                GetWindowThreadProcessId(wnd, &process);
                if (process == s->Process && IsWindowVisible(wnd) && (s->Class->empty() || ClassOf(wnd) == *s->Class)) {
                    s->Found = wnd;
                    return FALSE;
                }
                return TRUE;
            },
            LPARAM(&search));
        return search.Found;
    }

    PROCESS_INFORMATION m_info {};
};

TEST(SkinViewProgram, ShowsTheStoredSkinAndItsRegionFollowsResizes)
{
    SkinView view(L"");
    ASSERT_TRUE(view.Started());
    HWND wnd = view.WaitForWindow();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(wnd) == L"skinview - stored skin"; })) << TextOf(wnd).size();
    // The skin form answers the library's query: its frame is drawn by the skin.
    EXPECT_EQ(SendMessageW(wnd, 0xB1B2, 0, 0), 0x3235);
    for (auto [w, h] : { std::pair { 500, 380 }, std::pair { 260, 150 }, std::pair { 700, 420 } }) {
        SetWindowPos(wnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT box {};
        EXPECT_TRUE(WaitUntil([&] {
            box = RegionBox(wnd);
            return box.right == w && box.bottom == h;
        }, 3s)) << w << " x " << h << ": region " << box.right << " x " << box.bottom;
        const RECT r = Bounds(wnd);
        EXPECT_EQ(r.right - r.left, w);
        EXPECT_EQ(r.bottom - r.top, h);
    }
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(view.EndsWith(0));
}

TEST(SkinViewProgram, SaysWhatFailedAndStaysUsable)
{
    SkinView view(L"\"Z:\\no\\such\\folder\\missing.skn\"");
    HWND wnd = view.WaitForWindow();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(wnd) == L"skinview - missing.skn: cannot read the file"; }));
    // The fallback frame: the window's rectangle as its region, and it still sizes.
    EXPECT_EQ(SendMessageW(wnd, 0xB1B2, 0, 0), 0x3235);
    SetWindowPos(wnd, nullptr, 0, 0, 333, 222, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return Bounds(wnd).right - Bounds(wnd).left == 333; }, 3s));
    EXPECT_TRUE(WaitUntil([&] { return RegionBox(wnd).right == 333 && RegionBox(wnd).bottom == 222; }, 3s));
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(view.EndsWith(0));
}

TEST(SkinViewProgram, FadesInToAnOpaqueUnlayeredWindow)
{
    SkinView view(L"--alpha-animation");
    HWND wnd = view.WaitForWindow();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0; }, 3s));
    EXPECT_TRUE(IsWindowVisible(wnd));
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(view.EndsWith(0));
}

TEST(SkinViewProgram, RefusesAnUnknownSwitchWithAMessage)
{
    SkinView view(L"--fast");
    HWND box = view.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"skinview");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(view.EndsWith(2));
}

} // namespace

// Measures the start-up of GUI programs from outside, as a user sees it: from
// CreateProcess to the first moment a visible top-level window of the process
// with the program's title exists and answers a sent WM_NULL (its thread
// takes messages). The programs take turns, after one warm-up start each;
// the medians, the minimums and their ratios to the last program (the
// anchor) are printed, and table rows for run-bench.sh. Two passes: back to
// back, then with VENTRO_START_SETTLE_MS (default 300, 0 leaves it out)
// between a program's exit and the next start. VENTRO_START_RUNS sets the
// starts per program (11), VENTRO_START_ALL prints every start, and
// VENTRO_START_LABEL names the table rows of a run under other conditions
// (their rows carry no goal).
//   start_bench [PROGRAM TITLE]...
// Without arguments: the dialer of this build against the empty window. A
// title "-" stands for the dialer's (its Chinese letters need not survive
// the way to the command line).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Program {
    std::wstring Exe;
    std::wstring Title;
    std::vector<double> Ms;
};

// The top-level windows of the started process, learnt from the platform's
// creation events as they come and, as a safety net, from a full enumeration
// now and then. Only these are asked whether they show: asking every window
// of the desktop each millisecond made the window server, which the started
// program waits on, answer this one a third as often again as the program.
class WindowWatch {
public:
    explicit WindowWatch(DWORD pid)
        : m_pid(pid)
    {
        t_watch = this;
        m_hook = SetWinEventHook(
            EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &WindowWatch::Created, pid, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~WindowWatch()
    {
        if (m_hook)
            UnhookWinEvent(m_hook);
        t_watch = nullptr;
    }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // A visible top-level window of the process with this title, or null.
    HWND Find(const std::wstring& title)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        const DWORD now = GetTickCount();
        if (!m_scanned || now - m_lastScan >= ScanEveryMs) {
            m_scanned = true;
            m_lastScan = now;
            EnumWindows(&WindowWatch::Listed, reinterpret_cast<LPARAM>(this));
        }
        for (HWND wnd : m_windows) {
            if (!IsWindowVisible(wnd))
                continue;
            // The text the window system keeps: nothing is sent to the window.
            wchar_t text[256] {};
            InternalGetWindowText(wnd, text, 256);
            if (title == text)
                return wnd;
        }
        return nullptr;
    }

private:
    static constexpr DWORD ScanEveryMs = 20;

    void Add(HWND wnd)
    {
        if (std::find(m_windows.begin(), m_windows.end(), wnd) == m_windows.end())
            m_windows.push_back(wnd);
    }

    static void CALLBACK Created(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
    {
        if (t_watch && object == OBJID_WINDOW && wnd && GetAncestor(wnd, GA_PARENT) == GetDesktopWindow())
            t_watch->Add(wnd);
    }

    static BOOL CALLBACK Listed(HWND wnd, LPARAM p)
    {
        auto* watch = reinterpret_cast<WindowWatch*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner == watch->m_pid)
            watch->Add(wnd);
        return TRUE;
    }

    static inline thread_local WindowWatch* t_watch = nullptr;
    DWORD m_pid;
    HWINEVENTHOOK m_hook = nullptr;
    std::vector<HWND> m_windows;
    bool m_scanned = false;
    DWORD m_lastScan = 0;
};

double Ms(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Lets the held process run and waits until a window of it with the title
// shows and answers: that window, with the time from start in ms; null when
// the process ended first or nothing answered within 30 s.
HWND AwaitAnswer(const PROCESS_INFORMATION& pi, const Program& program, LARGE_INTEGER start, double& ms)
{
    WindowWatch watch(pi.dwProcessId);
    ResumeThread(pi.hThread);
    const DWORD began = GetTickCount();
    for (;;) {
        DWORD_PTR answer = 0;
        if (HWND wnd = watch.Find(program.Title);
            wnd && SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer)) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            ms = Ms(start, now);
            return wnd;
        }
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        if (code != STILL_ACTIVE) {
            std::fwprintf(stderr, L"%ls: ended with 0x%08lX before its window answered; run left out\n",
                program.Exe.c_str(), code);
            return nullptr;
        }
        if (GetTickCount() - began > 30000) {
            std::fwprintf(stderr, L"%ls: no window \"%ls\" answered within 30 s; run left out\n", program.Exe.c_str(),
                program.Title.c_str());
            return nullptr;
        }
        Sleep(1);
    }
}

// One start; a negative result when the program gave no such window.
double RunOnce(const Program& program, DWORD settleMs)
{
    STARTUPINFOW si { sizeof(si) };
    PROCESS_INFORMATION pi {};
    std::wstring cmd = L"\"" + program.Exe + L"\"";
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    // Started held, so that the watch sees its first window made.
    if (!CreateProcessW(
            program.Exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"%ls: not started (error %lu); run left out\n", program.Exe.c_str(), GetLastError());
        return -1;
    }
    double result = -1;
    if (HWND wnd = AwaitAnswer(pi, program, start, result))
        PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    // A start within some 30 ms of an exit is often two to three times as
    // slow all the way through, while nothing else runs: the system tends
    // to put it on another CPU than the Wine server, and on a virtual
    // machine each round trip between two CPUs costs several times one on
    // the same CPU. A settled pass waits that out.
    Sleep(settleMs);
    return result;
}

std::wstring Beside(const wchar_t* relative)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + relative;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

// The pause after each exit in the settled pass; 0 leaves the pass out.
DWORD SettledPassMs()
{
    wchar_t value[16] {};
    return GetEnvironmentVariableW(L"VENTRO_START_SETTLE_MS", value, 16) ? DWORD(_wtoi(value)) : DWORD(300);
}

// The conditions named in the table rows, or empty for the goal's own run.
std::wstring Label()
{
    wchar_t label[128] {};
    return GetEnvironmentVariableW(L"VENTRO_START_LABEL", label, 128) ? std::wstring(L", ") + label : std::wstring();
}

int Runs()
{
    wchar_t count[16] {};
    int runs = GetEnvironmentVariableW(L"VENTRO_START_RUNS", count, 16) ? _wtoi(count) : 0;
    return runs < 2 ? 11 : runs;
}

} // namespace

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Minimum(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// One pass: every program once to warm up, then runs starts each, taking
// turns, so that a change in the machine's load falls on all programs alike;
// the minimum is the start the load disturbed least. The last program is the
// anchor. False when the anchor never answered.
bool MeasurePass(std::vector<Program> programs, int runs, DWORD settleMs, const wchar_t* what, const wchar_t* row)
{
    for (Program& p : programs)
        RunOnce(p, settleMs);
    for (int r = 0; r < runs; ++r)
        for (Program& p : programs)
            if (double ms = RunOnce(p, settleMs); ms >= 0)
                p.Ms.push_back(ms);
    const std::wstring label = Label();
    std::wprintf(L"start-up to a visible, answering window, %ls%ls (1 warm-up and "
                 L"%d starts each, taking turns)\n",
        what, label.c_str(), runs);
    const Program& anchor = programs.back();
    const wchar_t* goal = settleMs || !label.empty() ? L"" : L"at most 1.5";
    if (anchor.Ms.empty()) {
        std::wprintf(L"%ls: no start answered\n", FileName(anchor.Exe).c_str());
        return false;
    }
    for (const Program& p : programs) {
        if (p.Ms.empty()) {
            std::wprintf(L"%-24ls no start answered\n", FileName(p.Exe).c_str());
            continue;
        }
        std::wprintf(L"%-24ls median %7.1f ms  minimum %7.1f ms  (%zu starts)", FileName(p.Exe).c_str(), Median(p.Ms),
            Minimum(p.Ms), p.Ms.size());
        if (GetEnvironmentVariableW(L"VENTRO_START_ALL", nullptr, 0)) {
            std::wprintf(L"\n   ");
            for (double ms : p.Ms)
                std::wprintf(L" %.1f", ms);
        }
        if (&p != &anchor) {
            const double byMedian = Median(p.Ms) / Median(anchor.Ms);
            const double byMinimum = Minimum(p.Ms) / Minimum(anchor.Ms);
            std::wprintf(L"  ratio: median %.2f, minimum %.2f", byMedian, byMinimum);
            std::wprintf(L"\n@table\t%ls%ls (median)\t%.1f ms\t%ls\t%.1f ms\t%.2f\t%ls", row, label.c_str(),
                Median(p.Ms), FileName(anchor.Exe).c_str(), Median(anchor.Ms), byMedian, goal);
            std::wprintf(L"\n@table\t%ls%ls (minimum)\t%.1f ms\t%ls\t%.1f ms\t%.2f\t", row, label.c_str(),
                Minimum(p.Ms), FileName(anchor.Exe).c_str(), Minimum(anchor.Ms), byMinimum);
        }
        std::wprintf(L"\n");
    }
    return true;
}

int wmain(int argc, wchar_t** argv)
{
    const std::wstring dialerTitle = L"VentroADSL拨号器 V1.2 By Qorin";
    std::vector<Program> programs;
    for (int i = 1; i + 1 < argc; i += 2)
        programs.push_back({ argv[i], std::wstring(argv[i + 1]) == L"-" ? dialerTitle : argv[i + 1], {} });
    if (programs.empty())
        programs = { { Beside(L"..\\..\\app\\VentroADSL.exe"), dialerTitle, {} },
            { Beside(L"empty_window.exe"), L"Empty", {} } };
    const int runs = Runs();
    // Back to back, as the goal is measured; then with the machine left to
    // settle between starts, as a user starting the program on a quiet
    // machine sees it.
    if (!MeasurePass(programs, runs, 0, L"back to back", L"start-up to an answering window"))
        return 1;
    if (SettledPassMs() > 0
        && !MeasurePass(
            programs, runs, SettledPassMs(), L"settled between starts", L"start-up, settled between starts"))
        return 1;
    return 0;
}

// Measures the start-up of GUI programs from outside, as a user sees it: from
// CreateProcess to the first moment a visible top-level window of the process
// with the program's title exists and answers a sent WM_NULL (its thread
// takes messages). The programs take turns, after one warm-up start each;
// the medians, the minimums and their ratios to the last program (the
// anchor) are printed, and one table row per program for run-bench.sh.
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

struct Search {
    DWORD Pid;
    const std::wstring* Title;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM p)
{
    auto* s = reinterpret_cast<Search*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    if (owner != s->Pid || !IsWindowVisible(wnd))
        return TRUE;
    // The text the window system keeps: nothing is sent to the window.
    wchar_t text[256] {};
    InternalGetWindowText(wnd, text, 256);
    if (*s->Title != text)
        return TRUE;
    s->Found = wnd;
    return FALSE;
}

HWND TitledWindow(DWORD pid, const std::wstring& title)
{
    Search s { pid, &title, nullptr };
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.Found;
}

double Ms(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// One start; a negative result when the program gave no such window.
double RunOnce(const Program& program)
{
    STARTUPINFOW si { sizeof(si) };
    PROCESS_INFORMATION pi {};
    std::wstring cmd = L"\"" + program.Exe + L"\"";
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.Exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"%ls: not started (error %lu); run left out\n", program.Exe.c_str(), GetLastError());
        return -1;
    }
    double result = -1;
    HWND wnd = nullptr;
    const DWORD began = GetTickCount();
    for (;;) {
        if ((wnd = TitledWindow(pi.dwProcessId, program.Title))) {
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer)) {
                QueryPerformanceCounter(&now);
                result = Ms(start, now);
                break;
            }
        }
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        if (code != STILL_ACTIVE) {
            std::fwprintf(stderr, L"%ls: ended with 0x%08lX before its window answered; run left out\n",
                program.Exe.c_str(), code);
            break;
        }
        if (GetTickCount() - began > 30000) {
            std::fwprintf(stderr, L"%ls: no window \"%ls\" answered within 30 s; run left out\n", program.Exe.c_str(),
                program.Title.c_str());
            break;
        }
        Sleep(1);
    }
    if (wnd)
        PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
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

int Runs()
{
    wchar_t count[16] {};
    int runs = GetEnvironmentVariableW(L"VENTRO_START_RUNS", count, 16) ? _wtoi(count) : 0;
    return runs < 2 ? 11 : runs;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring dialerTitle = L"VentroADSL拨号器 V1.2 By Qorin";
    std::vector<Program> programs;
    for (int i = 1; i + 1 < argc; i += 2)
        programs.push_back({ argv[i], std::wstring(argv[i + 1]) == L"-" ? dialerTitle : argv[i + 1], {} });
    if (programs.empty())
        programs = { { Beside(L"..\\..\\app\\VentroADSL.exe"), dialerTitle, {} },
            { Beside(L"empty_window.exe"), L"Empty", {} } };
    // Taking turns, so that a change in the machine's load falls on all
    // programs alike; the minimum is the start the load disturbed least.
    const int runs = Runs();
    for (Program& p : programs)
        RunOnce(p);
    for (int r = 0; r < runs; ++r)
        for (Program& p : programs)
            if (double ms = RunOnce(p); ms >= 0)
                p.Ms.push_back(ms);
    std::wprintf(L"start-up to a visible, answering window (1 warm-up and %d starts each, taking turns)\n", runs);
    const Program& anchor = programs.back();
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    auto minimum = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    if (anchor.Ms.empty()) {
        std::wprintf(L"%ls: no start answered\n", FileName(anchor.Exe).c_str());
        return 1;
    }
    for (const Program& p : programs) {
        if (p.Ms.empty()) {
            std::wprintf(L"%-24ls no start answered\n", FileName(p.Exe).c_str());
            continue;
        }
        std::wprintf(L"%-24ls median %7.1f ms  minimum %7.1f ms  (%zu starts)", FileName(p.Exe).c_str(), median(p.Ms),
            minimum(p.Ms), p.Ms.size());
        if (GetEnvironmentVariableW(L"VENTRO_START_ALL", nullptr, 0)) {
            std::wprintf(L"\n   ");
            for (double ms : p.Ms)
                std::wprintf(L" %.1f", ms);
        }
        if (&p != &anchor) {
            const double byMedian = median(p.Ms) / median(anchor.Ms);
            const double byMinimum = minimum(p.Ms) / minimum(anchor.Ms);
            std::wprintf(L"  ratio: median %.2f, minimum %.2f", byMedian, byMinimum);
            std::wprintf(L"\n@table\tstart-up to an answering window (median)\t%.1f ms\t%ls\t%.1f ms\t%.2f\tat most 1.5",
                median(p.Ms), FileName(anchor.Exe).c_str(), median(anchor.Ms), byMedian);
            std::wprintf(L"\n@table\tstart-up to an answering window (minimum)\t%.1f ms\t%ls\t%.1f ms\t%.2f\t",
                minimum(p.Ms), FileName(anchor.Exe).c_str(), minimum(anchor.Ms), byMinimum);
        }
        std::wprintf(L"\n");
    }
    return 0;
}

// Measures start-to-first-paint of a GUI program: from CreateProcess until a
// visible top-level window of the process has been painted (its update region
// is empty) and the process waits for input. The first run is the cold
// figure; the median and the minimum of the following runs the warm ones.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

static HWND PaintedWindow(DWORD pid)
{
    struct Search {
        DWORD Pid;
        HWND Found;
    } s { pid, nullptr };
    EnumWindows(
        [](HWND wnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            RECT r;
            if (owner == s->Pid && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left > 50
                && !GetUpdateRect(wnd, nullptr, FALSE)) {
                s->Found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.Found;
}

static double RunOnce(const std::wstring& exe)
{
    LARGE_INTEGER freq, start, now;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOW si { sizeof(si) };
    PROCESS_INFORMATION pi {};
    std::wstring cmd = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"%ls: not started (error %lu); run left out\n", exe.c_str(), GetLastError());
        return -1;
    }
    HWND wnd = nullptr;
    DWORD began = GetTickCount();
    while (!(wnd = PaintedWindow(pi.dwProcessId))) {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        bool late = GetTickCount() - began > 30000;
        if (code != STILL_ACTIVE || late) {
            if (late)
                TerminateProcess(pi.hProcess, 1);
            if (late)
                std::fwprintf(stderr, L"%ls: no painted window within 30 s; run left out\n", exe.c_str());
            else
                std::fwprintf(stderr, L"%ls: ended with 0x%08lX before it painted; run left out\n", exe.c_str(), code);
            CloseHandle(pi.hProcess);
            CloseHandle(pi.hThread);
            return -1;
        }
        Sleep(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    QueryPerformanceCounter(&now);
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
}

static std::wstring Beside(const wchar_t* relative)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + relative;
}

int wmain(int argc, wchar_t** argv)
{
    // Without arguments: the dialer of this build and the empty window beside us.
    std::vector<std::wstring> programs(argv + 1, argv + argc);
    if (programs.empty())
        programs = { Beside(L"..\\..\\app\\VentroADSL.exe"), Beside(L"empty_window.exe") };
    // The programs take turns, so that a change in the machine's load falls on
    // all of them alike; the minimum is the run the load disturbed least.
    wchar_t count[16] {};
    int runs = GetEnvironmentVariableW(L"VENTRO_START_RUNS", count, 16) ? _wtoi(count) : 0;
    if (runs < 2)
        runs = 11;
    std::vector<std::vector<double>> times(programs.size());
    for (int r = 0; r < runs; ++r)
        for (size_t p = 0; p < programs.size(); ++p)
            if (double ms = RunOnce(programs[p]); ms >= 0)
                times[p].push_back(ms);
    for (size_t p = 0; p < programs.size(); ++p) {
        const std::wstring& exe = programs[p];
        if (times[p].size() < 2) {
            std::wprintf(L"%ls: too few runs painted\n", exe.c_str());
            continue;
        }
        double cold = times[p].front();
        std::vector<double> warm(times[p].begin() + 1, times[p].end());
        std::sort(warm.begin(), warm.end());
        std::wprintf(L"%-40ls cold %7.1f ms   warm median %7.1f ms   warm minimum %7.1f ms\n",
            exe.substr(exe.find_last_of(L"\\/") + 1).c_str(), cold, warm[warm.size() / 2], warm.front());
    }
    return 0;
}

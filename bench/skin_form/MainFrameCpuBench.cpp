// The dialer's CPU use with the skinned frame in place: idle with the pointer
// away from the window, and with the pointer resting on a caption button (the
// frame's tracking timer runs then). Reports milliseconds of CPU per second
// of wall time, as a share of one core.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Beside(const wchar_t* relative)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + relative;
}

HWND MainWindowOf(DWORD pid)
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
            wchar_t cls[64] {};
            GetClassNameW(wnd, cls, 64);
            if (owner == s->Pid && IsWindowVisible(wnd) && std::wstring(cls) == L"VentroForm") {
                s->Found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.Found;
}

double CpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME f) { return double((uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000.0; };
    return ms(kernel) + ms(user);
}

// CPU share of one core over `seconds` of wall time, in percent.
double Measure(HANDLE process, int seconds)
{
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    double cpu0 = CpuMs(process);
    QueryPerformanceCounter(&start);
    Sleep(DWORD(seconds) * 1000);
    QueryPerformanceCounter(&end);
    double cpu1 = CpuMs(process);
    double wallMs = double(end.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
    return (cpu1 - cpu0) * 100.0 / wallMs;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring exe = argc > 1 ? argv[1] : Beside(L"..\\..\\app\\VentroADSL.exe");
    wchar_t value[16] {};
    int seconds = GetEnvironmentVariableW(L"VENTRO_CPU_SECONDS", value, 16) ? _wtoi(value) : 10;
    if (seconds < 1)
        seconds = 10;
    STARTUPINFOW si { sizeof(si) };
    PROCESS_INFORMATION pi {};
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"cannot start %ls\n", exe.c_str());
        return 1;
    }
    HWND wnd = nullptr;
    for (int i = 0; i < 2000 && !(wnd = MainWindowOf(pi.dwProcessId)); ++i)
        Sleep(5);
    if (!wnd) {
        TerminateProcess(pi.hProcess, 1);
        std::fwprintf(stderr, L"the main window did not appear\n");
        return 1;
    }
    WaitForInputIdle(pi.hProcess, 10000);
    SetForegroundWindow(wnd);
    RECT r {};
    GetWindowRect(wnd, &r);

    // Pointer far away from the window.
    SetCursorPos(r.right + 200 < GetSystemMetrics(SM_CXSCREEN) ? r.right + 200 : 0, 0);
    Sleep(1000);
    double idle = Measure(pi.hProcess, seconds);
    // Pointer resting on the minimize button (W - 37, 4), 17 x 17.
    SetCursorPos(r.right - 37 + 8, r.top + 4 + 8);
    Sleep(500);
    double onButton = Measure(pi.hProcess, seconds);
    // Away again: the tracking timer stops itself.
    SetCursorPos(0, 0);
    Sleep(1000);
    double after = Measure(pi.hProcess, seconds);

    // A check that the CPU clock of the other process counts at all: 200
    // frame repaints, each composed and blitted.
    double paint0 = CpuMs(pi.hProcess);
    for (int i = 0; i < 200; ++i)
        SendMessageW(wnd, WM_NCPAINT, 1, 0);
    double paintMs = CpuMs(pi.hProcess) - paint0;
    std::wprintf(L"200 frame repaints: %.1f ms of CPU (%.2f ms each)\n", paintMs, paintMs / 200);
    std::wprintf(L"main window CPU, %d s each: idle %.2f %%, pointer on a caption button %.2f %%, pointer away again %.2f %% of one core\n",
        seconds, idle, onButton, after);
    std::wprintf(L"@table\tmain window CPU, pointer on a caption button, Wine\t%.2f %%\tone core\t100 %%\t%.4f\tat most 1 %%\n",
        onButton, onButton / 100);
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return 0;
}

// Measures the dialer's CPU use while idle and during one full dial sequence
// on the stand-in (hang-up, 1 s, dial, 3 s, address, 1 s).
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "app/ControlIds.h"
#include "tools/driver/Driver.h"

using namespace ventro;

static double CpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME f) { return double((uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000.0; };
    return ms(kernel) + ms(user);
}

int wmain()
{
    driver::TempFolder folder;
    std::ofstream(folder.File(L"rasphone.pbk").c_str(), std::ios::binary) << "[Line]\r\nStepDelayMs=100\r\n";
    driver::AppProcess app(folder.Path(), { L"RASSIM_PHONEBOOK=" + folder.File(L"rasphone.pbk") });
    HWND main = app.WaitForWindow(L"VentroADSL拨号器 V1.2 By Qorin");
    if (!main)
        return 1;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, app.ProcessId());
    Sleep(1000);
    double cpu0 = CpuMs(process);
    DWORD t0 = GetTickCount();
    Sleep(5000);
    double idle = (CpuMs(process) - cpu0) / double(GetTickCount() - t0) * 100.0;

    HWND memo = driver::FindControl(main, ids::Memo1);
    double cpu1 = CpuMs(process);
    DWORD t1 = GetTickCount();
    driver::Click(driver::FindControl(main, ids::BitBtn1));
    driver::WaitUntil([&] { return driver::TextOf(memo).find(L"本机IP") != std::wstring::npos; }, std::chrono::seconds(30));
    DWORD elapsed = GetTickCount() - t1;
    double dial = (CpuMs(process) - cpu1) / double(elapsed) * 100.0;
    std::printf("idle: %.2f%% of a core over 5 s\n", idle);
    std::printf("dial sequence: %.2f%% of a core over %lu ms\n", dial, elapsed);
    std::printf("@table\tdialer CPU while idle, Wine\t%.2f %%\tone core\t100 %%\t%.4f\tat most 1 %%\n", idle, idle / 100);
    std::printf("@table\tdialer CPU during a dial sequence, Wine\t%.2f %%\tone core\t100 %%\t%.4f\t\n", dial, dial / 100);
    CloseHandle(process);
    app.Close();
    return 0;
}

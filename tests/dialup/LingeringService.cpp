// A dial-up service for tests whose dial thread reports the final status and
// then goes on running in this library for a while, without a reference of its
// own: whoever unloads the library under that thread crashes the process.
// Everything else answers "nothing there".
#include <windows.h>

#include <atomic>

namespace {

using Notifier = void(WINAPI*)(UINT, int, DWORD);

constexpr int Connected = 0x2000;
constexpr DWORD LingerMs = 400;
std::atomic<Notifier> g_notifier { nullptr };
std::atomic<int> g_finished { 0 };

DWORD WINAPI DialThread(void*)
{
    g_notifier.load()(0xCCCD, Connected, 0);
    Sleep(LingerMs);
    g_finished.fetch_add(1);
    return 0;
}

} // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI RasEnumConnectionsA(void*, DWORD*, DWORD* count)
{
    *count = 0;
    return 0;
}
__declspec(dllexport) DWORD WINAPI RasHangUpA(void*) { return 0; }
__declspec(dllexport) DWORD WINAPI RasGetConnectStatusA(void*, void*) { return 0; }
__declspec(dllexport) DWORD WINAPI RasEnumEntriesA(void*, void*, void*, DWORD*, DWORD* count)
{
    *count = 0;
    return 0;
}
__declspec(dllexport) DWORD WINAPI RasGetEntryDialParamsA(void*, void*, BOOL*) { return 0; }
__declspec(dllexport) DWORD WINAPI RasSetEntryDialParamsA(void*, void*, BOOL) { return 0; }
__declspec(dllexport) DWORD WINAPI RasGetErrorStringA(UINT, char* text, DWORD size)
{
    if (size > 0)
        text[0] = '\0';
    return 0;
}
__declspec(dllexport) DWORD WINAPI RasDialA(void*, void*, void*, DWORD, void* notifier, void** connection)
{
    *connection = reinterpret_cast<void*>(1);
    g_notifier = reinterpret_cast<Notifier>(notifier);
    HANDLE thread = CreateThread(nullptr, 0, DialThread, nullptr, 0, nullptr);
    if (!thread)
        return ERROR_NOT_ENOUGH_MEMORY;
    CloseHandle(thread);
    return 0;
}
// How many dial threads have run to their end.
__declspec(dllexport) int WINAPI LingeringFinished() { return g_finished.load(); }

} // extern "C"

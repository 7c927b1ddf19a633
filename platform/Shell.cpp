// The shell's entry points, through a library loaded on first use.
#include "platform/Shell.h"

#include "platform/LazyLibrary.h"

namespace ventro {

namespace {

LazyLibrary& Shell32()
{
    static LazyLibrary library(L"shell32.dll");
    return library;
}

} // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data)
{
    auto notify = Shell32().Entry<BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*)>("Shell_NotifyIconA");
    return notify ? notify(message, data) : FALSE;
}

bool ShellOpen(HWND owner, const wchar_t* target)
{
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    auto execute = Shell32().Entry<ShellExecuteFn>("ShellExecuteW");
    // Results above 32 mean success.
    return execute && reinterpret_cast<INT_PTR>(execute(owner, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

} // namespace ventro

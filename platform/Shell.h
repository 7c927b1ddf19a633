// The shell's entry points the program uses, loaded on first use: the shell
// library is large, and the program needs it only once its window shows (the
// notification-area icon) or on a click (opening an address).
#pragma once
#include <windows.h>

#include <shellapi.h>

namespace ventro {

// Shell_NotifyIconA; FALSE when the shell library is missing.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);
// Opens a document or address with the program the shell associates with it,
// shown normally; false when the shell library is missing or refused.
bool ShellOpen(HWND owner, const wchar_t* target);

} // namespace ventro

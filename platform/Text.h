// Conversions between the program's UTF-16 text, UTF-8 and ANSI code pages.
#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace ventro {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// CP_ACP unless another code page is given.
std::wstring AnsiToWide(std::string_view text, UINT codePage = CP_ACP);
std::string WideToAnsi(std::wstring_view text, UINT codePage = CP_ACP);

// What an exception says, for people: the program's messages are UTF-8.
std::wstring ExceptionText(const std::exception& error);

// The text of a window (any length).
std::wstring WindowText(HWND wnd);

// Leading and trailing characters up to and including the space removed,
// as the dialer trims typed texts.
std::wstring Trim(std::wstring_view text);

} // namespace ventro

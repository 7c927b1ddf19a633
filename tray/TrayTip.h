// The tooltip bytes of a notification-area icon.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace ventro {

// The longest tooltip the first-version notification record holds, without
// its terminating zero.
constexpr size_t TrayTipMaxBytes = 63;

// `hint` in the code page, cut to at most 63 bytes at a character boundary, so
// a double-byte character is never split.
std::string TrayTipText(std::wstring_view hint, UINT codePage = CP_ACP);

} // namespace ventro

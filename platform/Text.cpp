// Text conversions at the platform's boundaries.
#include "platform/Text.h"

#include <vector>

namespace ventro {

static std::wstring ToWide(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

static std::string FromWide(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Utf8ToWide(std::string_view text) { return ToWide(text, CP_UTF8); }
std::string WideToUtf8(std::wstring_view text) { return FromWide(text, CP_UTF8); }
std::wstring AnsiToWide(std::string_view text, UINT codePage) { return ToWide(text, codePage); }
std::string WideToAnsi(std::wstring_view text, UINT codePage) { return FromWide(text, codePage); }

std::wstring ExceptionText(const std::exception& error)
{
    return Utf8ToWide(error.what());
}

std::wstring WindowText(HWND wnd)
{
    int n = GetWindowTextLengthW(wnd);
    std::vector<wchar_t> buffer(size_t(n) + 2);
    int got = GetWindowTextW(wnd, buffer.data(), int(buffer.size()));
    return std::wstring(buffer.data(), size_t(got > 0 ? got : 0));
}

std::wstring Trim(std::wstring_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && text[b] <= L' ')
        ++b;
    while (e > b && text[e - 1] <= L' ')
        --e;
    return std::wstring(text.substr(b, e - b));
}

} // namespace ventro

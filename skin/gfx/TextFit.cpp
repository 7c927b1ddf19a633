// Shortening a text with "..." until it fits a width.
#include "skin/gfx/TextFit.h"

namespace ventro {

std::wstring FitWideTextToWidth(std::wstring_view text, int64_t width, const TextMeasure& measure)
{
    if (measure(text) <= width)
        return std::wstring(text);
    std::wstring s(text);
    while (!s.empty()) {
        bool pair = s.size() >= 2 && s.back() >= 0xDC00 && s.back() <= 0xDFFF && s[s.size() - 2] >= 0xD800
            && s[s.size() - 2] <= 0xDBFF;
        s.resize(s.size() - (pair ? 2 : 1));
        if (measure(s + L"...") <= width)
            break;
    }
    return s + L"...";
}

} // namespace ventro

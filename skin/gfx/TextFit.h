// Shortening a text with "..." until it fits a width, over any text-measuring function.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ventro {

using TextMeasure = std::function<int64_t(std::wstring_view)>;

// The text itself when it fits; otherwise the longest front part that fits
// with "..." after it, or "..." alone. A surrogate pair is never split.
std::wstring FitWideTextToWidth(std::wstring_view text, int64_t width, const TextMeasure& measure);

} // namespace ventro

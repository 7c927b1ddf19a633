// Integer and boolean readings of settings values.
#include "app/IniValues.h"

namespace ventro {

std::optional<int32_t> ParseIniInteger(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        char16_t c = text[i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        // Hexadecimal may spell a negative 32-bit value (0xFFFFFFFF is -1).
        if (value > (base == 16 ? int64_t(0xFFFFFFFF) : int64_t(0x80000000)))
            return std::nullopt;
    }
    if (base == 16 && !negative)
        return int32_t(uint32_t(value));
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return int32_t(value);
}

bool ParseIniBool(std::u16string_view text, bool fallback)
{
    auto value = ParseIniInteger(text);
    return value ? *value != 0 : fallback;
}

RedialInterval RedialIntervalFromMinutes(std::u16string_view minutes)
{
    // A decimal integer only: the hexadecimal forms are not what the field holds.
    for (char16_t c : minutes)
        if (c == u'$' || c == u'x' || c == u'X')
            return {};
    auto value = ParseIniInteger(minutes);
    if (!value)
        return {};
    constexpr int64_t MaxMinutes = 0xFFFFFFFFLL / 60000; // 71582
    if (*value <= 0 || *value > MaxMinutes)
        return { IntervalCheck::OutOfRange, 0 };
    return { IntervalCheck::Valid, uint32_t(*value) * 60000u };
}

} // namespace ventro

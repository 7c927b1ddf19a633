// How the dialer reads values of its settings file: booleans as integers and
// the redial interval as a decimal integer.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ventro {

// An integer as the settings file's boolean and integer reads take it:
// optional leading blanks, an optional sign, decimal digits, or hexadecimal
// after "0x"/"0X"/"$". Nothing may follow. Values outside 32 bits fail.
std::optional<int32_t> ParseIniInteger(std::u16string_view text);

// Non-zero is true, zero false, anything else `fallback`.
bool ParseIniBool(std::u16string_view text, bool fallback = false);

// The redial interval in milliseconds for `minutes` as typed, when it is a
// decimal integer whose interval fits the timer (1..71582 minutes).
enum class IntervalCheck { Valid, NotAnInteger, OutOfRange };
struct RedialInterval {
    IntervalCheck Check = IntervalCheck::NotAnInteger;
    uint32_t Milliseconds = 0;
};
RedialInterval RedialIntervalFromMinutes(std::u16string_view minutes);

} // namespace ventro

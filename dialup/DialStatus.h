// The dial-up component's pure text logic: status texts by connection state
// and error, progress-line substitution, and the double-byte-safe cut of
// ANSI texts copied into the service's fixed-size records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

// Connection states the service reports (its published RASCONNSTATE values).
namespace RasState {
constexpr uint32_t OpenPort = 0;
constexpr uint32_t Authenticate = 5;
constexpr uint32_t Authenticated = 14;
constexpr uint32_t StartAuthentication = 19;
constexpr uint32_t Interactive = 0x1000;
constexpr uint32_t RetryAuthentication = 0x1001;
constexpr uint32_t CallbackSetByCaller = 0x1002;
constexpr uint32_t PasswordExpired = 0x1003;
constexpr uint32_t Connected = 0x2000;
constexpr uint32_t Disconnected = 0x2001;
}

inline constexpr std::wstring_view SomethingWentWrong = L"Something went wrong...";

// The default progress lines: connecting, verifying, failed.
std::vector<std::wstring> DefaultLangStrList();

// Replaces the first literal "%s" of `line` by `connectTo`. Nothing else in the
// line is special, so a stray "%d" or a second "%s" stays as written.
std::wstring FillConnectTo(std::wstring_view line, std::wstring_view connectTo);

// Line `index` of `lines` with "%s" filled in, or "Something went wrong..."
// when the list is shorter.
std::wstring LangLine(const std::vector<std::wstring>& lines, size_t index, std::wstring_view connectTo);

struct StatusChoice {
    std::wstring text;
    bool error = false;
};

// The text and error flag for one progress report. `errorText` is asked for
// the service's text only when `error` is not 0.
StatusChoice StatusText(const std::vector<std::wstring>& lines, std::wstring_view connectTo, uint32_t state,
    uint32_t error, const std::function<std::wstring(uint32_t)>& errorText);

// True for the states after which the service reports nothing more for a dial.
bool IsFinalStatus(uint32_t state, uint32_t error);

// Lead bytes of the Simplified Chinese double-byte code page (936).
bool IsGbkLeadByte(unsigned char byte);

// The longest prefix of `ansi`, at most `maxBytes` long, that does not end in
// the middle of a double-byte character.
size_t AnsiCutLength(std::string_view ansi, size_t maxBytes, bool (*isLeadByte)(unsigned char));

} // namespace ventro

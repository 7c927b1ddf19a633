// Status texts and ANSI cuts of the dial-up component.
#include "dialup/DialStatus.h"

namespace ventro {

std::vector<std::wstring> DefaultLangStrList()
{
    return {
        L"Connecting to %s...",
        L"Verifying username and password...",
        L"An error occured while trying to connect to %s.",
    };
}

std::wstring FillConnectTo(std::wstring_view line, std::wstring_view connectTo)
{
    std::wstring result(line);
    const size_t at = result.find(L"%s");
    if (at != std::wstring::npos)
        result.replace(at, 2, connectTo);
    return result;
}

std::wstring LangLine(const std::vector<std::wstring>& lines, size_t index, std::wstring_view connectTo)
{
    if (index >= lines.size())
        return std::wstring(SomethingWentWrong);
    return FillConnectTo(lines[index], connectTo);
}

// Which progress line a state shows; -1 for states without one.
static int LineForState(uint32_t state)
{
    if (state <= 4)
        return 0;
    if (state == RasState::Authenticate || state == RasState::Authenticated || state == RasState::StartAuthentication)
        return 1;
    if (state >= 6 && state <= 13)
        return 2;
    if ((state >= 15 && state <= 18) || state == 20 || state == 21)
        return 0;
    switch (state) {
    case RasState::Interactive:
    case RasState::CallbackSetByCaller:
    case RasState::Connected:
        return 0;
    case RasState::RetryAuthentication:
    case RasState::PasswordExpired:
    case RasState::Disconnected:
        return 2;
    default:
        return -1;
    }
}

StatusChoice StatusText(const std::vector<std::wstring>& lines, std::wstring_view connectTo, uint32_t state,
    uint32_t error, const std::function<std::wstring(uint32_t)>& errorText)
{
    if (error != 0)
        return { errorText(error), true };
    const int line = LineForState(state);
    if (line < 0)
        return { std::wstring(SomethingWentWrong), false };
    return { LangLine(lines, size_t(line), connectTo), false };
}

bool IsFinalStatus(uint32_t state, uint32_t error)
{
    return error != 0 || state == RasState::Connected || state == RasState::Disconnected;
}

bool IsGbkLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

size_t AnsiCutLength(std::string_view ansi, size_t maxBytes, bool (*isLeadByte)(unsigned char))
{
    if (ansi.size() <= maxBytes)
        return ansi.size();
    // Walk whole characters: a lead byte always takes the next byte with it.
    size_t at = 0;
    while (at < maxBytes) {
        const size_t width = isLeadByte(static_cast<unsigned char>(ansi[at])) && at + 1 < ansi.size() ? 2 : 1;
        if (at + width > maxBytes)
            break;
        at += width;
    }
    return at;
}

} // namespace ventro

// Status texts, line substitution and double-byte-safe cuts of the dial-up component.
#include <gtest/gtest.h>

#include "dialup/DialStatus.h"

using namespace ventro;

namespace {

std::wstring ServiceText(uint32_t code)
{
    return L"service text " + std::to_wstring(code);
}

StatusChoice Status(uint32_t state, uint32_t error = 0)
{
    return StatusText(DefaultLangStrList(), L"宽带连接", state, error, ServiceText);
}

}

TEST(DialStatus, StatesMapToTheirProgressLines)
{
    const std::wstring connecting = L"Connecting to 宽带连接...";
    const std::wstring verifying = L"Verifying username and password...";
    const std::wstring failed = L"An error occured while trying to connect to 宽带连接.";
    for (uint32_t state : { 0u, 1u, 2u, 3u, 4u, 15u, 16u, 17u, 18u, 20u, 21u, 0x1000u, 0x1002u, 0x2000u })
        EXPECT_EQ(Status(state).text, connecting) << state;
    for (uint32_t state : { 5u, 14u, 19u })
        EXPECT_EQ(Status(state).text, verifying) << state;
    for (uint32_t state : { 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 0x1001u, 0x1003u, 0x2001u })
        EXPECT_EQ(Status(state).text, failed) << state;
    // The failure line of a state is a progress text, not an error.
    for (uint32_t state : { 0u, 5u, 6u, 0x2001u })
        EXPECT_FALSE(Status(state).error) << state;
}

TEST(DialStatus, UnknownStatesGiveTheFallbackText)
{
    for (uint32_t state : { 22u, 23u, 0x1004u, 0x2002u, 0xFFFFFFFFu }) {
        EXPECT_EQ(Status(state).text, L"Something went wrong...") << state;
        EXPECT_FALSE(Status(state).error);
    }
}

TEST(DialStatus, AnErrorCodeWinsOverTheStateAndIsAnError)
{
    const StatusChoice status = Status(0x2000, 691);
    EXPECT_EQ(status.text, L"service text 691");
    EXPECT_TRUE(status.error);
    EXPECT_TRUE(Status(22, 1).error);
}

TEST(DialStatus, TheServiceIsAskedForTextsOnlyOnErrors)
{
    int asked = 0;
    auto count = [&](uint32_t) { ++asked; return std::wstring(L"x"); };
    StatusText(DefaultLangStrList(), L"a", 0x2000, 0, count);
    EXPECT_EQ(asked, 0);
    StatusText(DefaultLangStrList(), L"a", 0x2000, 678, count);
    EXPECT_EQ(asked, 1);
}

TEST(DialStatus, OnlyTheFirstPercentSIsReplacedAndNothingElseIsAFormat)
{
    EXPECT_EQ(FillConnectTo(L"%s and %s", L"A"), L"A and %s");
    EXPECT_EQ(FillConnectTo(L"100%d %x %", L"A"), L"100%d %x %");
    EXPECT_EQ(FillConnectTo(L"no placeholder", L"A"), L"no placeholder");
    // A value that itself holds "%s" is not expanded again.
    EXPECT_EQ(FillConnectTo(L"[%s] %s", L"%s"), L"[%s] %s");
}

TEST(DialStatus, ShortListsGiveTheFallbackInsteadOfFailing)
{
    const std::vector<std::wstring> one { L"Dialing %s" };
    EXPECT_EQ(StatusText(one, L"X", 0, 0, ServiceText).text, L"Dialing X");
    EXPECT_EQ(StatusText(one, L"X", 5, 0, ServiceText).text, L"Something went wrong...");
    EXPECT_EQ(StatusText({}, L"X", 0x2000, 0, ServiceText).text, L"Something went wrong...");
    EXPECT_EQ(LangLine(DefaultLangStrList(), 28, L"X"), L"Something went wrong...");
}

TEST(DialStatus, FinalStatusesEndADial)
{
    EXPECT_TRUE(IsFinalStatus(0x2000, 0));
    EXPECT_TRUE(IsFinalStatus(0x2001, 0));
    EXPECT_TRUE(IsFinalStatus(5, 691));
    EXPECT_FALSE(IsFinalStatus(14, 0));
}

TEST(AnsiCut, ShortTextsStayWhole)
{
    EXPECT_EQ(AnsiCutLength("abc", 256, IsGbkLeadByte), 3u);
    EXPECT_EQ(AnsiCutLength("", 256, IsGbkLeadByte), 0u);
    EXPECT_EQ(AnsiCutLength(std::string(256, 'a'), 256, IsGbkLeadByte), 256u);
    EXPECT_EQ(AnsiCutLength(std::string(300, 'a'), 256, IsGbkLeadByte), 256u);
}

TEST(AnsiCut, NeverSplitsADoubleByteCharacter)
{
    // "宽" in code page 936 is 0xBF 0xED; the trail byte may look like a lead byte.
    const std::string wide = "\xBF\xED";
    std::string text = "a";
    for (int i = 0; i < 200; ++i)
        text += wide;
    // 1 + 2k bytes: 255 bytes fit whole characters, the 256th would split one.
    EXPECT_EQ(AnsiCutLength(text, 256, IsGbkLeadByte), 255u);
    EXPECT_EQ(AnsiCutLength(text.substr(1), 256, IsGbkLeadByte), 256u);
    // Walking by character, not by byte: trail bytes 0x81..0xFE do not start characters.
    const std::string trailsLikeLeads = std::string(1, 'x') + "\x81\x81\x81\x81";
    EXPECT_EQ(AnsiCutLength(trailsLikeLeads, 4, IsGbkLeadByte), 3u);
    EXPECT_EQ(AnsiCutLength(trailsLikeLeads, 2, IsGbkLeadByte), 1u);
}

TEST(AnsiCut, ALoneLeadByteAtTheEndCountsAsOneByte)
{
    EXPECT_EQ(AnsiCutLength(std::string("ab\xBF"), 2, IsGbkLeadByte), 2u);
    EXPECT_EQ(AnsiCutLength(std::string("ab\xBF"), 3, IsGbkLeadByte), 3u);
}

// TDialUp against the stand-in service: phonebook listing, dialing with the
// service's outcomes, hang-up, the connected entry, the absent service and
// destruction during a dial.
#include "tests/dialup/StandIn.h"

#include "dialup/DialStatus.h"
#include "platform/Application.h"

#include <memory>

using namespace ventro;
using namespace ventro::test;

namespace {

const std::wstring Connecting = L"Connecting to %s...";
const std::wstring Verifying = L"Verifying username and password...";

std::wstring ConnectingTo(const std::wstring& entry)
{
    return L"Connecting to " + entry + L"...";
}

std::wstring Entries(int count)
{
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += L"[Entry " + std::to_wstring(count - i) + L"]\r\nPhoneNumber=\r\n";
    return text;
}

using DialUpTest = StandInTest;

}

TEST_F(DialUpTest, PhonebookSizesUpToTheHundredRecordBuffer)
{
    TDialUp dialUp(nullptr);
    ASSERT_TRUE(dialUp.RasInstalled());
    EXPECT_TRUE(dialUp.PossibleConnections().empty()) << "no phonebook file at all";
    for (int count : { 0, 1, 100 }) {
        WritePhonebook(Entries(count));
        const auto& names = dialUp.PossibleConnections();
        ASSERT_EQ(names.size(), size_t(count));
        // File order, not sorted: the file lists them from the highest number down.
        if (count > 0) {
            EXPECT_EQ(names.front(), L"Entry " + std::to_wstring(count));
            EXPECT_EQ(names.back(), L"Entry 1");
        }
    }
    // 101 records do not fit the buffer, so the enumeration fails as a whole.
    WritePhonebook(Entries(101));
    EXPECT_TRUE(dialUp.PossibleConnections().empty());
}

TEST_F(DialUpTest, ChineseEntryNamesAndAccountsRoundTrip)
{
    WritePhonebook(L"[宽带连接]\r\nStepDelayMs=0\r\n[电信 ADSL]\r\n");
    TDialUp dialUp(nullptr);
    EXPECT_EQ(dialUp.PossibleConnections(), (std::vector<std::wstring> { L"宽带连接", L"电信 ADSL" }));
    Record(dialUp);
    dialUp.SetConnectTo(L"宽带连接");
    dialUp.SetUsername(L"用户甲");
    dialUp.SetPassword(L"密码");
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return dialUp.CurrentConnection() == L"宽带连接"; }));
    const std::string file = ReadPhonebook();
    EXPECT_NE(file.find("UserName=" + Ansi(L"用户甲")), std::string::npos);
    EXPECT_NE(file.find("Password=" + Ansi(L"密码")), std::string::npos);
}

TEST_F(DialUpTest, ASuccessfulDialReportsEveryStepInOrderAndStoresTheAccount)
{
    WritePhonebook(L"[Home]\r\nAcceptUser=alice\r\nAcceptPassword=secret\r\nStepDelayMs=20\r\n\r\n[Other]\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetConnectTo(L"Home");
    dialUp.SetUsername(L"alice");
    dialUp.SetPassword(L"secret");
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return m_statuses.size() >= 7; }));
    WaitProcessingMessages(100); // nothing may follow the connected state
    const std::wstring c = ConnectingTo(L"Home");
    const std::vector<std::wstring> expected { c, c, c, c, Verifying, Verifying, c };
    ASSERT_EQ(m_statuses.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(m_statuses[i].text, expected[i]) << i;
        EXPECT_FALSE(m_statuses[i].error);
        EXPECT_EQ(m_statuses[i].sender, &dialUp);
    }
    EXPECT_EQ(dialUp.CurrentConnection(), L"Home");
    const std::string file = ReadPhonebook();
    EXPECT_NE(file.find("[Home]\r\nAcceptUser=alice\r\nAcceptPassword=secret\r\nStepDelayMs=20\r\nUserName=alice\r\nPassword=secret\r\n\r\n[Other]"), std::string::npos) << file;
    EXPECT_EQ(TDialUp::DialingComponent(), &dialUp);
}

TEST_F(DialUpTest, AWrongPasswordEndsWithTheServiceText691)
{
    WritePhonebook(L"[Home]\r\nAcceptPassword=secret\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetConnectTo(L"Home");
    dialUp.SetPassword(L"guess");
    ASSERT_TRUE(dialUp.Dial()) << "the service accepts the request; the outcome comes later";
    ASSERT_TRUE(WaitUntil([&] { return !m_statuses.empty() && m_statuses.back().error; }));
    EXPECT_EQ(m_statuses.size(), 6u);
    EXPECT_EQ(m_statuses.back().text, dialUp.ErrorText(691));
    EXPECT_EQ(m_statuses.back().text, L"Access was denied because the username and/or password was invalid on the domain.");
    EXPECT_EQ(dialUp.CurrentConnection(), L"");
    // The typed account is stored even though the line refused it.
    EXPECT_NE(ReadPhonebook().find("Password=guess"), std::string::npos);
}

TEST_F(DialUpTest, AForcedErrorIsReportedAtItsStep)
{
    WritePhonebook(L"[Line]\r\nFailError=678\r\nFailAtState=3\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetConnectTo(L"Line");
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return m_statuses.size() >= 3; }));
    EXPECT_FALSE(m_statuses[1].error);
    EXPECT_TRUE(m_statuses[2].error);
    EXPECT_EQ(m_statuses[2].text, L"The remote computer did not respond.");
}

TEST_F(DialUpTest, ARefusedDialReturnsFalseWithTheServiceTextAndFreesTheHandle)
{
    WritePhonebook(L"[Busy]\r\nRefuseDial=633\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetConnectTo(L"Busy");
    EXPECT_FALSE(dialUp.Dial());
    ASSERT_EQ(m_statuses.size(), 1u);
    EXPECT_TRUE(m_statuses[0].error);
    EXPECT_EQ(m_statuses[0].text, L"The modem (or other connecting device) is already in use or is not configured properly.");
    EXPECT_EQ(m_openHandles(), 0u);
}

TEST_F(DialUpTest, AnUnknownEntryFailsBeforeDialing)
{
    WritePhonebook(L"[Home]\r\n");
    TDialUp dialUp(nullptr);
    dialUp.SetConnectTo(L"Nowhere");
    EXPECT_FALSE(dialUp.Dial()) << "without a status handler";
    Record(dialUp);
    EXPECT_FALSE(dialUp.Dial());
    ASSERT_EQ(m_statuses.size(), 1u);
    EXPECT_TRUE(m_statuses[0].error);
    EXPECT_EQ(m_statuses[0].text, L"The system could not find the phone book entry for this connection.");
    EXPECT_EQ(ReadPhonebook(), Ansi(L"[Home]\r\n")) << "nothing was stored";

    // With lines 28 and 29 in the list, the failure of reading the entry uses line 28.
    std::vector<std::wstring> lines(30, L"unused");
    lines[28] = L"Cannot read %s";
    dialUp.SetLangStrList(lines);
    m_statuses.clear();
    EXPECT_FALSE(dialUp.Dial());
    ASSERT_EQ(m_statuses.size(), 1u);
    EXPECT_EQ(m_statuses[0].text, L"Cannot read Nowhere");
}

TEST_F(DialUpTest, LongTextsAreCutWithoutSplittingACharacter)
{
    // 'a' plus 127 two-byte characters is 255 bytes: one more would not fit 256.
    std::wstring cut = L"a";
    for (int i = 0; i < 127; ++i)
        cut += L"宽";
    WritePhonebook(L"[" + cut + L"]\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    dialUp.SetConnectTo(cut + L"宽宽宽");
    dialUp.SetUsername(cut + L"宽");
    ASSERT_TRUE(dialUp.Dial());
    EXPECT_NE(ReadPhonebook().find("UserName=" + Ansi(cut) + "\r\n"), std::string::npos);
    ASSERT_TRUE(WaitUntil([&] { return dialUp.CurrentConnection() == cut; }));
}

TEST_F(DialUpTest, HangUpEndsEveryConnectionInSevenRounds)
{
    WritePhonebook(L"[A]\r\nStepDelayMs=0\r\n[B]\r\nStepDelayMs=0\r\n[C]\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    DWORD before = m_enumCalls();
    dialUp.HangUp();
    EXPECT_EQ(m_enumCalls() - before, 7u) << "no connections: still seven rounds";
    for (const wchar_t* entry : { L"A", L"B", L"C", L"A" })
        ASSERT_EQ(DialDirectly(entry), 0u);
    ASSERT_EQ(m_openHandles(), 4u);
    EXPECT_EQ(dialUp.CurrentConnection(), L"A");
    before = m_enumCalls();
    dialUp.HangUp();
    EXPECT_EQ(m_enumCalls() - before, 7u);
    EXPECT_EQ(m_openHandles(), 0u);
    EXPECT_EQ(dialUp.CurrentConnection(), L"");
}

TEST_F(DialUpTest, CurrentConnectionNamesTheLastConnectedEntry)
{
    WritePhonebook(L"[First]\r\nStepDelayMs=0\r\nAcceptPassword=x\r\n[Second]\r\nStepDelayMs=0\r\n[Third]\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    EXPECT_EQ(dialUp.CurrentConnection(), L"");
    ASSERT_EQ(DialDirectly(L"First", L"", L"wrong"), 691u);
    EXPECT_EQ(dialUp.CurrentConnection(), L"") << "a failed connection is listed but not connected";
    ASSERT_EQ(DialDirectly(L"Second"), 0u);
    EXPECT_EQ(dialUp.CurrentConnection(), L"Second");
    ASSERT_EQ(DialDirectly(L"Third"), 0u);
    EXPECT_EQ(dialUp.CurrentConnection(), L"Third");
}

TEST_F(DialUpTest, AConnectedLineHasTheAddressItsEntryAsksFor)
{
    WritePhonebook(L"[Fixed]\r\nStepDelayMs=0\r\nIpAddress=10.9.8.7\r\n[Failing]\r\nStepDelayMs=0\r\nFailError=678\r\n");
    auto enumerate = Proc<decltype(&RasEnumConnectionsA)>("RasEnumConnectionsA");
    auto projection = Proc<decltype(&RasGetProjectionInfoA)>("RasGetProjectionInfoA");
    ASSERT_EQ(DialDirectly(L"Fixed"), 0u);
    ASSERT_EQ(DialDirectly(L"Failing"), 678u);
    std::vector<RASCONNA> connections(100);
    connections[0].dwSize = sizeof(RASCONNA);
    DWORD bytes = DWORD(connections.size() * sizeof(RASCONNA));
    DWORD count = 0;
    ASSERT_EQ(enumerate(connections.data(), &bytes, &count), 0u);
    ASSERT_EQ(count, 2u);
    RASPPPIPA ip {};
    ip.dwSize = sizeof(ip);
    DWORD size = sizeof(ip);
    ASSERT_EQ(projection(connections[0].hrasconn, RASP_PppIp, &ip, &size), 0u);
    EXPECT_STREQ(ip.szIpAddress, "10.9.8.7");
    EXPECT_EQ(projection(connections[1].hrasconn, RASP_PppIp, &ip, &size), 730u);
}

TEST_F(DialUpTest, WithoutTheServiceEverythingIsEmptyAndDialIsSilent)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=0\r\n");
    // No such library, and a library that lacks the service's entry points.
    for (const wchar_t* library : { L"ventro-no-such-service.dll", L"kernel32.dll" }) {
        TDialUp dialUp(nullptr, library);
        EXPECT_FALSE(dialUp.RasInstalled()) << library;
        Record(dialUp);
        dialUp.SetConnectTo(L"Home");
        EXPECT_TRUE(dialUp.PossibleConnections().empty());
        EXPECT_EQ(dialUp.CurrentConnection(), L"");
        const DWORD before = m_enumCalls();
        dialUp.HangUp();
        EXPECT_FALSE(dialUp.Dial());
        EXPECT_EQ(m_enumCalls(), before);
        EXPECT_TRUE(m_statuses.empty());
        EXPECT_EQ(dialUp.ErrorText(691), L"");
    }
    EXPECT_EQ(m_openHandles(), 0u);
}

TEST_F(DialUpTest, AStatusWithoutAHandlerIsDroppedAndTheNextOneArrives)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=150\r\n");
    TDialUp dialUp(nullptr);
    dialUp.SetConnectTo(L"Home");
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return NotifyTimes().size() >= 2; }));
    WaitProcessingMessages(40); // the second status is delivered to nobody
    Record(dialUp);
    ASSERT_TRUE(WaitUntil([&] { return dialUp.CurrentConnection() == L"Home"; }));
    WaitProcessingMessages(50);
    const std::wstring c = ConnectingTo(L"Home");
    const std::vector<std::wstring> tail { c, c, Verifying, Verifying, c };
    ASSERT_EQ(m_statuses.size(), tail.size());
    for (size_t i = 0; i < tail.size(); ++i)
        EXPECT_EQ(m_statuses[i].text, tail[i]);
}

TEST_F(DialUpTest, AThrowingHandlerDoesNotStopLaterStatuses)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    // Each error goes to the application's standard error report.
    std::vector<std::wstring> reports;
    Application().OnException = [&](const std::wstring& text) { reports.push_back(text); };
    int calls = 0;
    dialUp.SetOnStatusEvent([&](TDialUp*, const std::wstring&, bool) {
        ++calls;
        throw std::runtime_error("handler failed");
    });
    dialUp.SetConnectTo(L"Home");
    ASSERT_TRUE(dialUp.Dial());
    EXPECT_TRUE(WaitUntil([&] { return calls == 7; }));
    Application().OnException = nullptr;
    ASSERT_EQ(reports.size(), 7u);
    EXPECT_EQ(reports[0], L"handler failed.");
}

TEST_F(DialUpTest, CustomLinesAreFilledLiterally)
{
    WritePhonebook(L"[100%]\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetLangStrList({ L"正在连接 %s (%d%%)", L"正在验证 %s" });
    dialUp.SetConnectTo(L"100%");
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return m_statuses.size() == 7; }));
    EXPECT_EQ(m_statuses[0].text, L"正在连接 100% (%d%%)");
    EXPECT_EQ(m_statuses[4].text, L"正在验证 100%");
}

TEST_F(DialUpTest, DestroyingTheComponentDuringADialIsSafe)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=30\r\n");
    // Warm up once so that lazily created system objects do not count as leaks.
    for (int round = 0; round < 2; ++round) {
        const DWORD handlesBefore = [] { DWORD n = 0; GetProcessHandleCount(GetCurrentProcess(), &n); return n; }();
        int delivered = 0;
        for (int i = 0; i < 10; ++i) {
            auto dialUp = std::make_unique<TDialUp>(nullptr);
            dialUp->SetOnStatusEvent([&](TDialUp*, const std::wstring&, bool) { ++delivered; });
            dialUp->SetConnectTo(L"Home");
            ASSERT_TRUE(dialUp->Dial());
            WaitProcessingMessages(20 + 15 * i);
            dialUp.reset();
            EXPECT_EQ(TDialUp::DialingComponent(), nullptr);
        }
        const int deliveredAtEnd = delivered;
        // Let every played dial run out; their late statuses go nowhere.
        WaitProcessingMessages(400);
        EXPECT_EQ(delivered, deliveredAtEnd);
        HangUpEverything();
        EXPECT_EQ(m_openHandles(), 0u);
        DWORD handlesAfter = 0;
        GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
        if (round == 1) {
            EXPECT_LE(handlesAfter, handlesBefore + 2);
        }
    }
}

TEST_F(DialUpTest, EveryStatusNamesItsDialAndAReplacedDialReportsNoMore)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=20\r\n");
    TDialUp dialUp(nullptr);
    dialUp.SetConnectTo(L"Home");
    std::vector<uint64_t> dials;
    std::vector<uint32_t> states;
    size_t beforeSecond = 0;
    dialUp.SetOnStatusEvent([&](TDialUp* sender, const std::wstring&, bool) {
        dials.push_back(sender->StatusDial());
        states.push_back(sender->StatusState());
    });
    ASSERT_TRUE(dialUp.Dial());
    const uint64_t first = dialUp.LastDial();
    // The first dial's statuses queue up undelivered: one waits, the service's
    // thread waits behind it. The second dial's hang-up rounds deliver what
    // waits; from its start on, the first dial reports nothing more.
    Sleep(120);
    ASSERT_TRUE(dialUp.Dial());
    beforeSecond = dials.size();
    const uint64_t second = dialUp.LastDial();
    EXPECT_EQ(second, first + 1);
    ASSERT_TRUE(WaitUntil([&] { return !states.empty() && states.back() == RasState::Connected; }));
    WaitProcessingMessages(100);
    for (size_t i = 0; i < dials.size(); ++i)
        EXPECT_EQ(dials[i], i < beforeSecond ? first : second) << i;
    EXPECT_EQ(states.size() - beforeSecond, 7u);  // the second dial's seven steps, no more
}

TEST(DialUpLibrary, StaysLoadedUntilTheServiceThreadHasLeftEvenAfterTheFinalStatus)
{
    // This service's dial thread reports Connected and then runs on in the
    // library for 400 ms, holding no reference of its own.
    const wchar_t* name = L"ras_lingering.dll";
    auto dialAndWaitForConnected = [&](TDialUp& dialUp) {
        bool connected = false;
        dialUp.SetOnStatusEvent([&](TDialUp*, const std::wstring&, bool) { connected = true; });
        EXPECT_TRUE(dialUp.Dial());
        EXPECT_TRUE(WaitUntil([&] { return connected; }));
    };
    auto finished = [&] {
        HMODULE library = GetModuleHandleW(name);
        using Count = int(WINAPI*)();
        auto count = library ? reinterpret_cast<Count>(reinterpret_cast<void*>(GetProcAddress(library, "LingeringFinished")))
                             : nullptr;
        return count ? count() : -1;
    };

    // Once the thread has ended, destroying the component unloads the library.
    auto dialUp = std::make_unique<TDialUp>(nullptr, name);
    ASSERT_TRUE(dialUp->RasInstalled());
    dialAndWaitForConnected(*dialUp);
    ASSERT_TRUE(WaitUntil([&] { return finished() == 1; }));
    WaitProcessingMessages(200);
    dialUp.reset();
    EXPECT_EQ(GetModuleHandleW(name), nullptr);

    // Destroyed right after the final status, while the thread still runs in
    // the library: the library stays, and the thread runs to its end.
    dialUp = std::make_unique<TDialUp>(nullptr, name);
    dialAndWaitForConnected(*dialUp);
    dialUp.reset();
    ASSERT_NE(GetModuleHandleW(name), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return finished() == 1; }));
}

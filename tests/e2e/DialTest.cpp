// The dial sequence end to end: the real program, the dial-up service
// stand-in, a phonebook of the test's own.
#include "tests/e2e/E2E.h"

#include <winsock2.h>

using namespace ventro;
using namespace ventro::e2e;
using driver::TextOf;

namespace {

const std::wstring Connected = L"连接成功,本机IP:";
const std::wstring Disconnected = L"断线成功！";
const std::wstring DialError = L"连接出错，请检查连接文件中用户名和密码！";

std::wstring ExpectedLocalAddress()
{
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    char name[256] {};
    std::wstring address;
    if (gethostname(name, sizeof(name) - 1) == 0)
        if (hostent* host = gethostbyname(name); host && host->h_addrtype == AF_INET && host->h_addr_list[0]) {
            in_addr a;
            memcpy(&a, host->h_addr_list[0], sizeof(a));
            std::string text = inet_ntoa(a);
            address.assign(text.begin(), text.end());
        }
    WSACleanup();
    return address;
}

class DialTest : public AppTest {
protected:
    std::wstring PhonebookPath() const { return folder.File(L"rasphone.pbk"); }
    void StartWithPhonebook(const std::wstring& phonebook, const std::wstring& config = L"")
    {
        WriteAnsiFile(PhonebookPath(), phonebook);
        if (!config.empty())
            WriteAnsiFile(ConfigPath(), config);
        Start({ L"RASSIM_PHONEBOOK=" + PhonebookPath() });
    }
    std::vector<std::wstring> LogLines() const
    {
        std::wstring text = TextOf(Control(ids::Memo1));
        std::vector<std::wstring> lines;
        size_t start = 0;
        for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    bool WaitForLogLines(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const
    {
        return driver::WaitUntil([&] { return LogLines().size() >= count; }, timeout);
    }
    void TypeAccount(const std::wstring& user, const std::wstring& password)
    {
        driver::SetTextOf(Control(ids::Edit2), user);
        driver::SetTextOf(Control(ids::Edit3), password);
    }
};

const wchar_t* const Broadband = L"[宽带连接]\r\nStepDelayMs=50\r\nIpAddress=10.1.2.3\r\n";

} // namespace

TEST_F(DialTest, DialHangsUpDialsAndLogsTheLocalAddress)
{
    StartWithPhonebook(Broadband);
    EXPECT_EQ(TextOf(Control(ids::ComboBox1)), L"宽带连接");
    TypeAccount(L" user01 ", L"pass01");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(2)) << "the dial sequence did not finish";
    auto lines = LogLines();
    EXPECT_EQ(lines[0], Disconnected);
    EXPECT_EQ(lines[1], Connected + ExpectedLocalAddress());
    // The phonebook entry holds the typed account (trimmed) and password.
    std::string book = ReadFileBytes(PhonebookPath());
    EXPECT_NE(book.find("UserName=user01"), std::string::npos) << book;
    EXPECT_NE(book.find("Password=pass01"), std::string::npos) << book;
}

TEST_F(DialTest, WrongPasswordIsReportedAndNotTakenForSuccess)
{
    StartWithPhonebook(L"[宽带连接]\r\nStepDelayMs=30\r\nAcceptUser=u\r\nAcceptPassword=right\r\n",
        L"[Main]\r\ncookie=1\r\niecache=1\r\n");
    TypeAccount(L"u", L"wrong");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(2));
    auto lines = LogLines();
    EXPECT_EQ(lines[0], Disconnected);
    EXPECT_EQ(lines[1], DialError);
}

TEST_F(DialTest, ALineThatDropsEndsTheDialAtOnce)
{
    // Disconnected (8193, no error) ends the dial: the error line comes with
    // it, not after the minute the window waits for a line to come up.
    StartWithPhonebook(L"[宽带连接]\r\nStepDelayMs=30\r\nDropLine=1\r\n");
    TypeAccount(L"u", L"p");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(2, std::chrono::seconds(15)));
    auto lines = LogLines();
    EXPECT_EQ(lines[0], Disconnected);
    EXPECT_EQ(lines[1], DialError);
}

TEST_F(DialTest, WithoutEntriesOnlyTheHangUpIsLogged)
{
    StartWithPhonebook(L"; no entries\r\n");
    EXPECT_EQ(TextOf(Control(ids::ComboBox1)), L"");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(1));
    EXPECT_FALSE(WaitForLogLines(2, std::chrono::milliseconds(2500)));
    EXPECT_EQ(LogLines(), std::vector<std::wstring> { Disconnected });
}

TEST_F(DialTest, RefusedDialEndsAfterTheHangUpLine)
{
    StartWithPhonebook(L"[忙线]\r\nRefuseDial=633\r\n");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(1));
    EXPECT_FALSE(WaitForLogLines(2, std::chrono::milliseconds(2500)));
}

TEST_F(DialTest, TheHotKeyRunsTheDialButtonsPath)
{
    StartWithPhonebook(Broadband);
    ATOM atom = GlobalFindAtomW(L"wwwHotkey");
    ASSERT_NE(atom, 0) << "the hot key's atom was not added";
    // Hidden in the tray or not, the hot key message reaches the window.
    ShowWindow(main, SW_HIDE);
    PostMessageW(main, WM_HOTKEY, WPARAM(atom), MAKELPARAM(MOD_ALT | MOD_CONTROL, 'Z'));
    ASSERT_TRUE(WaitForLogLines(2));
    EXPECT_EQ(LogLines()[1], Connected + ExpectedLocalAddress());
}

TEST_F(DialTest, DisconnectLogsTheHangUp)
{
    StartWithPhonebook(Broadband);
    driver::Click(Control(ids::BitBtn2));
    ASSERT_TRUE(WaitForLogLines(1));
    EXPECT_EQ(LogLines()[0], Disconnected);
}

TEST_F(DialTest, AutoRedialWithoutAnIntervalAsksForOne)
{
    StartWithPhonebook(Broadband);
    driver::Click(Control(ids::CheckBox2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsChecked(Control(ids::CheckBox2)); }));
    driver::Click(Control(ids::BitBtn1));
    auto box = app->WaitForMessageBox();
    EXPECT_EQ(box.Caption, L"提示");
    EXPECT_EQ(box.Text, L"请先设置重拨间隔时间！");
    EXPECT_EQ(LogLines(), std::vector<std::wstring> { L"自动重拨开始执行" });
}

TEST_F(DialTest, AutoRedialWithAnIntervalDialsNothingNow)
{
    StartWithPhonebook(Broadband, L"[Main]\r\nTime=5\r\n");
    driver::Click(Control(ids::CheckBox2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsChecked(Control(ids::CheckBox2)); }));
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(1));
    EXPECT_FALSE(WaitForLogLines(2, std::chrono::milliseconds(1500)));
    EXPECT_EQ(LogLines(), std::vector<std::wstring> { L"自动重拨开始执行" });
    EXPECT_EQ(app->FindMessageBox().Window, nullptr);
}

TEST_F(DialTest, HostileIntervalsNeverCrash)
{
    struct Case {
        const wchar_t* Time;
        const wchar_t* Box; // the expected box text
    };
    const Case cases[] = {
        { L"abc", L"'abc' is not a valid integer value." },
        { L"1.5", L"'1.5' is not a valid integer value." },
        { L"99999999999", L"'99999999999' is not a valid integer value." },
        { L"-5", L"请先设置重拨间隔时间！" },
        { L"00", L"请先设置重拨间隔时间！" },
        { L"71583", L"请先设置重拨间隔时间！" },
    };
    StartWithPhonebook(Broadband);
    driver::Click(Control(ids::CheckBox2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsChecked(Control(ids::CheckBox2)); }));
    for (const auto& c : cases) {
        WriteAnsiFile(ConfigPath(), std::wstring(L"[Main]\r\nTime=") + c.Time + L"\r\n");
        driver::Click(Control(ids::BitBtn1));
        auto box = app->WaitForMessageBox();
        EXPECT_EQ(box.Text, c.Box) << "Time=" << std::string(c.Time, c.Time + wcslen(c.Time));
        driver::PressOk(box);
        ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box.Window); }));
    }
    EXPECT_TRUE(app->Running());
}

TEST_F(DialTest, HostileSettingsFilesNeverCrash)
{
    std::string binary = "[Main]\r\nFlag=1\r\nUserName=";
    for (int i = 1; i < 256; ++i)
        binary.push_back(char(i == '\n' || i == '\r' ? 'x' : i));
    binary += "\r\nTime=" + std::string(100000, '9') + "\r\niecache=" + std::string(100000, 'z') + "\r\n";
    std::ofstream(std::filesystem::path(ConfigPath()), std::ios::binary) << binary;
    StartWithPhonebook(Broadband);
    EXPECT_TRUE(app->Running());
    EXPECT_FALSE(TextOf(Control(ids::Edit2)).empty());
}

TEST_F(DialTest, ClosingDuringTheSequenceEndsTheProgram)
{
    StartWithPhonebook(L"[宽带连接]\r\nStepDelayMs=500\r\n");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(1));
    EXPECT_TRUE(app->Close());
    EXPECT_EQ(app->ExitCode(), 0u);
}

namespace {

// Points the current user's cookie folder at `folder` for one test. The shell
// rewrites "Shell Folders" from "User Shell Folders", so both are set.
class CookieFolderOverride {
public:
    explicit CookieFolderOverride(const std::wstring& folder)
        : m_shell(L"Shell Folders", folder, REG_SZ)
        , m_user(L"User Shell Folders", folder, REG_EXPAND_SZ)
    {
    }

private:
    class Value {
    public:
        Value(const std::wstring& key, const std::wstring& folder, DWORD type)
        {
            RegCreateKeyExW(HKEY_CURRENT_USER, (L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\" + key).c_str(), 0,
                nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
            DWORD size = sizeof(m_saved);
            m_had = RegQueryValueExW(m_key, L"Cookies", nullptr, &m_type, reinterpret_cast<BYTE*>(m_saved), &size) == ERROR_SUCCESS;
            m_size = size;
            RegSetValueExW(m_key, L"Cookies", 0, type, reinterpret_cast<const BYTE*>(folder.c_str()),
                DWORD((folder.size() + 1) * sizeof(wchar_t)));
        }
        Value(const Value&) = delete;
        Value& operator=(const Value&) = delete;
        ~Value()
        {
            if (m_had)
                RegSetValueExW(m_key, L"Cookies", 0, m_type, reinterpret_cast<const BYTE*>(m_saved), m_size);
            else
                RegDeleteValueW(m_key, L"Cookies");
            RegCloseKey(m_key);
        }

    private:
        HKEY m_key = nullptr;
        wchar_t m_saved[MAX_PATH] {};
        DWORD m_size = 0;
        DWORD m_type = REG_SZ;
        bool m_had = false;
    };
    Value m_shell;
    Value m_user;
};

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace

TEST_F(DialTest, CookiesAreDeletedOnlyAfterASuccessfulDial)
{
    std::wstring cookies = folder.File(L"Cookies");
    CreateDirectoryW(cookies.c_str(), nullptr);
    WriteAnsiFile(cookies + L"\\user@site.txt", L"cookie");
    WriteAnsiFile(cookies + L"\\index.dat", L"keep");
    CookieFolderOverride override(cookies);

    StartWithPhonebook(L"[宽带连接]\r\nStepDelayMs=30\r\nAcceptPassword=right\r\n", L"[Main]\r\ncookie=1\r\n");
    TypeAccount(L"u", L"wrong");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(2));
    EXPECT_EQ(LogLines()[1], DialError);
    EXPECT_TRUE(Exists(cookies + L"\\user@site.txt")) << "a failed dial must clean nothing";

    TypeAccount(L"u", L"right");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(WaitForLogLines(4));
    EXPECT_EQ(LogLines()[3].rfind(Connected, 0), 0u);
    EXPECT_FALSE(Exists(cookies + L"\\user@site.txt"));
    EXPECT_TRUE(Exists(cookies + L"\\index.dat"));
}

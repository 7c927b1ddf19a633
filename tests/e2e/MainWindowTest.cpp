// The main window as a user meets it: layout, texts and the remembered account.
#include "tests/e2e/E2E.h"

using namespace ventro;
using namespace ventro::e2e;
using driver::FindControl;
using driver::RectInClient;
using driver::SetTextOf;
using driver::TextOf;

namespace {

struct Expected {
    int Id;
    int Parent; // 0: the window itself
    RECT Bounds;
    const wchar_t* Text;
};

} // namespace

TEST_F(AppTest, MainWindowHasTheSpecifiedLayoutAndTexts)
{
    Start();
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 251);
    EXPECT_EQ(client.bottom, 317);

    // The labels and the banner have no windows: their parents draw them
    // (the pictures of the frame test show them).
    const Expected controls[] = {
        { ids::GroupBox2, 0, { 0, 80, 251, 220 }, L"" },
        { ids::Edit2, ids::GroupBox2, { 48, 12, 233, 33 }, L"" },
        { ids::Edit3, ids::GroupBox2, { 48, 36, 233, 57 }, L"" },
        { ids::CheckBox1, ids::GroupBox2, { 48, 88, 161, 105 }, L"记住帐号密码" },
        { ids::CheckBox2, ids::GroupBox2, { 152, 88, 241, 105 }, L"自动重拨" },
        { ids::BitBtn1, ids::GroupBox2, { 8, 110, 83, 135 }, L"拨 号(&L)" },
        { ids::BitBtn2, ids::GroupBox2, { 88, 110, 163, 135 }, L"断 开(&D)" },
        { ids::BitBtn3, ids::GroupBox2, { 168, 110, 243, 135 }, L"设  置..." },
        { ids::GroupBox1, 0, { 0, 223, 251, 317 }, L"日志" },
        { ids::Memo1, ids::GroupBox1, { 2, 15, 249, 92 }, L"" },
    };
    for (const auto& c : controls) {
        HWND wnd = FindControl(main, c.Id);
        ASSERT_NE(wnd, nullptr) << "control " << c.Id;
        HWND parent = c.Parent ? FindControl(main, c.Parent) : main;
        EXPECT_EQ(GetParent(wnd), parent) << "control " << c.Id;
        RECT r = RectInClient(parent, wnd);
        EXPECT_EQ(r.left, c.Bounds.left) << "control " << c.Id;
        EXPECT_EQ(r.top, c.Bounds.top) << "control " << c.Id;
        EXPECT_EQ(r.right, c.Bounds.right) << "control " << c.Id;
        EXPECT_EQ(r.bottom, c.Bounds.bottom) << "control " << c.Id;
        if (c.Text) {
            EXPECT_EQ(TextOf(wnd), c.Text) << "control " << c.Id;
        }
    }
    // The drop-down list's selection field is 21 pixels high.
    HWND combo = Control(ids::ComboBox1);
    RECT r = RectInClient(FindControl(main, ids::GroupBox2), combo);
    EXPECT_EQ(r.left, 48);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 185);
    EXPECT_EQ(driver::ClassOf(combo), L"ComboBox");
    EXPECT_EQ(SendMessageW(Control(ids::Edit3), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(AppTest, ChineseTextsTravelInCodePage936)
{
    Start();
    EXPECT_EQ(GetACP(), 936u);
    // A Chinese account typed into the window is stored as GBK bytes.
    SetTextOf(Control(ids::Edit2), L"用户甲");
    driver::Click(Control(ids::CheckBox1));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::ReadIni(ConfigPath(), L"Flag") == L"1"; }));
    std::string bytes = ReadFileBytes(ConfigPath());
    EXPECT_NE(bytes.find("UserName=\xD3\xC3\xBB\xA7\xBC\xD7"), std::string::npos) << bytes;
}

TEST_F(AppTest, RememberedAccountIsLoadedAndWrittenBack)
{
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nUserName=alice\r\nPassWord=p w\r\nFlag=1\r\n");
    Start();
    EXPECT_EQ(TextOf(Control(ids::Edit2)), L"alice");
    EXPECT_EQ(TextOf(Control(ids::Edit3)), L"p w");
    EXPECT_TRUE(driver::IsChecked(Control(ids::CheckBox1)));
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"UserName"), L"alice");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"Flag"), L"1");
}

TEST_F(AppTest, FlagWithEmptyAccountFillsTheBoxesButLeavesRememberOff)
{
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nUserName=\r\nPassWord=secret\r\nFlag=1\r\n");
    Start();
    EXPECT_EQ(TextOf(Control(ids::Edit2)), L"");
    EXPECT_EQ(TextOf(Control(ids::Edit3)), L"secret");
    EXPECT_FALSE(driver::IsChecked(Control(ids::CheckBox1)));
}

TEST_F(AppTest, FlagOtherThanExactlyOneLoadsNothing)
{
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nUserName=bob\r\nPassWord=x\r\nFlag=01\r\n");
    Start();
    EXPECT_EQ(TextOf(Control(ids::Edit2)), L"");
    EXPECT_FALSE(driver::IsChecked(Control(ids::CheckBox1)));
}

TEST_F(AppTest, UncheckingRememberWritesOnlyTheFlag)
{
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nUserName=carol\r\nPassWord=pw\r\nFlag=1\r\n");
    Start();
    ASSERT_TRUE(driver::IsChecked(Control(ids::CheckBox1)));
    driver::Click(Control(ids::CheckBox1));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::ReadIni(ConfigPath(), L"Flag") == L"0"; }));
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"UserName"), L"carol");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"PassWord"), L"pw");
}

TEST_F(AppTest, LongValuesAreReadBackCutTo2047Characters)
{
    std::wstring longName(3000, L'u');
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nUserName=" + longName + L"\r\nFlag=1\r\n");
    Start();
    EXPECT_EQ(TextOf(Control(ids::Edit2)), std::wstring(2047, L'u'));
    // Ticking the box at start-up wrote the cut value back.
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"UserName"), std::wstring(2047, L'u'));
}

TEST_F(AppTest, ClosingTheMainWindowEndsTheProgram)
{
    Start();
    EXPECT_TRUE(app->Close());
    EXPECT_EQ(app->ExitCode(), 0u);
}

TEST_F(AppTest, MinimizeGoesToTheTrayAndADoubleClickBringsItBack)
{
    Start();
    HWND application = nullptr;
    for (HWND wnd : app->TopLevelWindows())
        if (driver::ClassOf(wnd) == L"VentroApplication")
            application = wnd;
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(TextOf(application), L"VentroADSL拨号器");
    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    // The main window and the taskbar entry (the application window) disappear.
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(main) && !IsWindowVisible(application); }));
    // A double click on the tray icon: its callback message on the tray's hidden window.
    for (HWND wnd : app->TopLevelWindows())
        if (driver::ClassOf(wnd) == L"VentroMessageWindow")
            PostMessageW(wnd, WM_USER + 1, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowVisible(main) && IsWindowVisible(application); }));
}

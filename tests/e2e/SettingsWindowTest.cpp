// The settings window: its frame, the interval field's rules and Save.
#include "tests/e2e/E2E.h"

using namespace ventro;
using namespace ventro::e2e;
using driver::FindControl;
using driver::TextOf;

namespace {

class SettingsTest : public AppTest {
protected:
    HWND settings = nullptr;

    void OpenSettings()
    {
        driver::Click(Control(ids::BitBtn3));
        settings = app->WaitForWindow(SettingsCaption);
        ASSERT_NE(settings, nullptr) << "the settings window did not open";
    }
    HWND SettingsControl(int id) const { return FindControl(settings, id); }
    driver::MessageBoxInfo SaveAndWaitForBox()
    {
        driver::Click(SettingsControl(ids::SettingsBitBtn1));
        return app->WaitForMessageBox();
    }
    void CloseBox(const driver::MessageBoxInfo& box)
    {
        driver::PressOk(box);
        ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box.Window); }));
    }
    // Moves the focus out of the interval field with the Tab key.
    void LeaveIntervalField()
    {
        HWND edit = SettingsControl(ids::SettingsEdit1);
        PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PostMessageW(edit, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(edit, WM_KEYUP, VK_TAB, 0);
    }
};

} // namespace

TEST_F(SettingsTest, FreshFolderShowsEmptyFieldAndSaveCreatesTheFile)
{
    Start();
    OpenSettings();
    RECT outer;
    GetWindowRect(settings, &outer);
    EXPECT_EQ(outer.right - outer.left, 211);
    EXPECT_EQ(outer.bottom - outer.top, 153);
    EXPECT_EQ(TextOf(SettingsControl(ids::SettingsEdit1)), L"");
    EXPECT_FALSE(driver::IsChecked(SettingsControl(ids::SettingsCheckBox1)));
    EXPECT_FALSE(driver::IsChecked(SettingsControl(ids::SettingsCheckBox2)));
    EXPECT_FALSE(IsWindowVisible(SettingsControl(ids::SettingsCheckBox3)));
    EXPECT_EQ(GetFileAttributesW(ConfigPath().c_str()), INVALID_FILE_ATTRIBUTES);

    auto box = SaveAndWaitForBox();
    EXPECT_EQ(box.Caption, L"提示");
    EXPECT_EQ(box.Text, L"数据保存成功！");
    CloseBox(box);
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"Time", 16), L"");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"iecache"), L"0");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"cookie"), L"0");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"sameip"), L"0");
    std::string bytes = ReadFileBytes(ConfigPath());
    EXPECT_EQ(bytes.rfind("[Main]", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("Time="), std::string::npos);
}

TEST_F(SettingsTest, SaveWritesIntervalAndSwitchesAndSameIpAsZero)
{
    Start();
    OpenSettings();
    driver::SetTextOf(SettingsControl(ids::SettingsEdit1), L"5");
    driver::Click(SettingsControl(ids::SettingsCheckBox1));
    driver::Click(SettingsControl(ids::SettingsCheckBox2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::IsChecked(SettingsControl(ids::SettingsCheckBox2)); }));
    CloseBox(SaveAndWaitForBox());
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"Time"), L"5");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"iecache"), L"1");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"cookie"), L"1");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"sameip"), L"0");
}

TEST_F(SettingsTest, IntervalFieldKeepsOnlyDigitsDotAndBackspace)
{
    Start();
    OpenSettings();
    HWND edit = SettingsControl(ids::SettingsEdit1);
    driver::TypeChars(edit, L"a1b.x5\b7");
    EXPECT_TRUE(driver::WaitUntil([&] { return TextOf(edit) == L"1.7"; })) << TextOf(edit);
}

TEST_F(SettingsTest, LeavingTheFieldWarnsButSaveStillWrites)
{
    Start();
    OpenSettings();
    driver::SetTextOf(SettingsControl(ids::SettingsEdit1), L"120");
    LeaveIntervalField();
    auto warning = app->WaitForMessageBox();
    EXPECT_EQ(warning.Caption, L"提示");
    EXPECT_EQ(warning.Text, L"时间间隔不要超过2位！");
    CloseBox(warning);
    // Clicking Save moves the focus out of the field again, so the warning
    // comes once more; the save happens all the same.
    driver::Click(SettingsControl(ids::SettingsBitBtn1));
    bool saved = false;
    driver::WaitUntil([&] {
        auto box = app->FindMessageBox();
        if (box.Window) {
            saved = saved || box.Text == L"数据保存成功！";
            EXPECT_TRUE(box.Text == L"数据保存成功！" || box.Text == L"时间间隔不要超过2位！") << "unexpected box";
            driver::PressOk(box);
            driver::WaitUntil([&] { return !IsWindow(box.Window); });
        }
        return saved && !app->FindMessageBox().Window;
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"Time"), L"120");
}

TEST_F(SettingsTest, LeavingTheFieldWithZeroWarns)
{
    Start();
    OpenSettings();
    driver::SetTextOf(SettingsControl(ids::SettingsEdit1), L"0");
    LeaveIntervalField();
    auto warning = app->WaitForMessageBox();
    EXPECT_EQ(warning.Text, L"时间间隔不能为0！");
}

TEST_F(SettingsTest, NonZeroNumbersShowCheckedAndAreRewrittenAsOne)
{
    WriteAnsiFile(ConfigPath(), L"[Main]\r\niecache=2\r\ncookie=0x10\r\nTime=15\r\n");
    Start();
    OpenSettings();
    EXPECT_TRUE(driver::IsChecked(SettingsControl(ids::SettingsCheckBox1)));
    EXPECT_TRUE(driver::IsChecked(SettingsControl(ids::SettingsCheckBox2)));
    EXPECT_EQ(TextOf(SettingsControl(ids::SettingsEdit1)), L"15");
    CloseBox(SaveAndWaitForBox());
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"iecache"), L"1");
    EXPECT_EQ(driver::ReadIni(ConfigPath(), L"cookie"), L"1");
}

TEST_F(SettingsTest, RefusedWriteShowsTheErrorReportAndNoSuccessBox)
{
    Start();
    // A folder where the file should be: every write is refused.
    CreateDirectoryW(ConfigPath().c_str(), nullptr);
    OpenSettings();
    driver::Click(SettingsControl(ids::SettingsBitBtn1));
    auto error = app->WaitForMessageBox();
    EXPECT_EQ(error.Caption, L"VentroADSL拨号器");
    EXPECT_EQ(error.Text, L"Unable to write to " + folder.Path() + L"\\\\Config.ini.");
    CloseBox(error);
    // No success box follows the refused write.
    EXPECT_FALSE(driver::WaitUntil([&] { return app->FindMessageBox().Window != nullptr; }, std::chrono::milliseconds(700)));
}

TEST_F(SettingsTest, EachSettingsClickMakesAFreshWindowFreedAfterward)
{
    Start();
    // None is made, not even a hidden one, before the button asks.
    for (HWND wnd : app->TopLevelWindows())
        EXPECT_NE(TextOf(wnd), SettingsCaption) << "a settings window exists before the first click";
    OpenSettings();
    HWND first = settings;
    PostMessageW(first, WM_CLOSE, 0, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(first); })) << "the settings window was not freed";
    WriteAnsiFile(ConfigPath(), L"[Main]\r\nTime=7\r\n");
    OpenSettings();
    EXPECT_NE(settings, first);
    EXPECT_EQ(TextOf(SettingsControl(ids::SettingsEdit1)), L"7");
}

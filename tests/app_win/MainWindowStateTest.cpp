#include <gtest/gtest.h>

#include <windows.h>

#include "app/ConfigFile.h"
#include "app/MainWindow.h"
#include "platform/Application.h"

using namespace ventro;

namespace {

// The main window keeps Config.ini beside the executable: here, beside the test.
class MainWindowState : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application().Initialize(); }
    void SetUp() override
    {
        DeleteFileW(ConfigFilePath().c_str());
        reports.clear();
        Application().OnException = [this](const std::wstring& text) { reports.push_back(text); };
    }
    void TearDown() override
    {
        delete form;
        Application().OnException = nullptr;
        DeleteFileW(ConfigFilePath().c_str());
    }
    void Create(const wchar_t* config = nullptr)
    {
        if (config) {
            TConfigFile file(ConfigFilePath());
            file.WriteString(L"Main", L"Time", config);
        }
        form = new TForm1(&Application());
        form->FormActivate();
    }
    TForm1* form = nullptr;
    std::vector<std::wstring> reports;
};

} // namespace

TEST_F(MainWindowState, AutoRedialArmsTheTimerWithoutDialing)
{
    Create(L"5");
    form->CheckBox2->SetChecked(true);
    EXPECT_EQ(form->AutoRedial, L"1");
    form->BitBtn1->Click();
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_TRUE(form->Timer1->Running());
    EXPECT_EQ(form->Timer1->Interval(), 300000u);
    EXPECT_EQ(form->Memo1->Lines(), std::vector<std::wstring> { L"自动重拨开始执行" });
    EXPECT_EQ(form->RedialTime, L"5");
}

TEST_F(MainWindowState, UntickingAutoRedialDisarmsTheTimer)
{
    Create(L"7");
    form->CheckBox2->SetChecked(true);
    form->BitBtn1->Click();
    ASSERT_TRUE(form->Timer1->Running());
    form->CheckBox2->SetChecked(false);
    EXPECT_EQ(form->AutoRedial, L"0");
    EXPECT_FALSE(form->Timer1->Running());
}

TEST_F(MainWindowState, ActivationFollowsTheAutoRedialBox)
{
    Create(L"5");
    EXPECT_EQ(form->AutoRedial, L"0");
    form->CheckBox2->SetChecked(true);
    form->FormActivate();
    EXPECT_EQ(form->AutoRedial, L"1");
}

TEST_F(MainWindowState, AnIntervalThatIsNotAnIntegerLeavesTheTimerAsItWas)
{
    Create(L"5");
    form->CheckBox2->SetChecked(true);
    form->BitBtn1->Click();
    ASSERT_EQ(form->Timer1->Interval(), 300000u);
    TConfigFile(ConfigFilePath()).WriteString(L"Main", L"Time", L"abc");
    // As a button press: the error goes to the standard error report.
    Application().Guard([this] { form->BitBtn1->Click(); });
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], L"'abc' is not a valid integer value.");
    EXPECT_EQ(form->Timer1->Interval(), 300000u);
    EXPECT_TRUE(form->Timer1->Running());
}

TEST_F(MainWindowState, TheHotKeyIsRegisteredUnderItsAtom)
{
    Create();
    ATOM atom = GlobalFindAtomW(L"wwwHotkey");
    ASSERT_NE(atom, 0);
    EXPECT_EQ(form->HotKeyAtom, atom);
    // Registered: the same hot key cannot be registered a second time.
    EXPECT_FALSE(RegisterHotKey(form->Handle(), int(atom), MOD_ALT | MOD_CONTROL, 'Z'));
    TCloseAction action = TCloseAction::caHide;
    form->FormClose(action);
    EXPECT_TRUE(RegisterHotKey(form->Handle(), int(atom), MOD_ALT | MOD_CONTROL, 'Z'));
    UnregisterHotKey(form->Handle(), int(atom));
}

TEST_F(MainWindowState, CookieFolderComesFromTheShellFoldersKey)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                  nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    wchar_t saved[MAX_PATH] {};
    DWORD size = sizeof(saved);
    bool had = RegQueryValueExW(key, L"Cookies", nullptr, nullptr, reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS;
    const wchar_t folder[] = L"C:\\users\\test\\Cookies";
    RegSetValueExW(key, L"Cookies", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder), sizeof(folder));
    Create();
    EXPECT_EQ(form->CookieFolder, L"C:\\users\\test\\Cookies\\");
    if (had)
        RegSetValueExW(key, L"Cookies", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), size);
    else
        RegDeleteValueW(key, L"Cookies");
    RegCloseKey(key);
}

TEST_F(MainWindowState, TheStoredSkinIsCarriedButNeitherLinkedNorApplied)
{
    Create();
    ASSERT_FALSE(form->lxCompressedStoredSkin1->IsEmpty());
    EXPECT_EQ(form->lxSkinData1->CompressedStoredSkin(), nullptr);
    EXPECT_TRUE(form->lxSkinData1->Empty);
    EXPECT_TRUE(form->lxSkinData1->SkinnableForm());
    EXPECT_EQ(form->lxSkinData1->SkinIndex(), 0);
    // The carried data is a complete skin: applied to a skin data of our own
    // it gives the window frame the main window's skin describes.
    TComponent owner(nullptr);
    auto* data = new TlxSkinData(&owner);
    data->ApplyStoredSkin(*form->lxCompressedStoredSkin1);
    EXPECT_FALSE(data->Empty);
    EXPECT_EQ(data->Picture.Width(), 378);
    EXPECT_EQ(data->Picture.Height(), 119);
}

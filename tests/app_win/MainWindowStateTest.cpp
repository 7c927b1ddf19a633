#include <gtest/gtest.h>

#include <windows.h>

#include <variant>

#include "app/ConfigFile.h"
#include "app/MainWindow.h"
#include "app/SettingsWindow.h"
#include "app/ProgramIcon.h"
#include "platform/Application.h"
#include "tests/support/Pump.h"

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
    // The controller is not linked either: it draws its fallback frame.
    EXPECT_EQ(form->lxLumenSkinForm1->SkinData(), nullptr);
    ASSERT_NE(form->lxLumenSkinForm1->Frame(), nullptr);
    EXPECT_FALSE(form->lxLumenSkinForm1->Frame()->Skinned());
    // The carried data is a complete skin: applied to a skin data of our own
    // it gives the window frame the main window's skin describes.
    TComponent owner(nullptr);
    auto* data = new TlxSkinData(&owner);
    data->ApplyStoredSkin(*form->lxCompressedStoredSkin1);
    EXPECT_FALSE(data->Empty);
    EXPECT_EQ(data->Picture.Width(), 378);
    EXPECT_EQ(data->Picture.Height(), 119);
}

namespace {

struct FontSeen {
    std::wstring Face;
    LONG Height;
    BYTE Charset;
    bool Bold;
};

FontSeen FontOf(HFONT font)
{
    LOGFONTW lf {};
    if (!font || !GetObjectW(font, sizeof(lf), &lf))
        return { L"(none)", 0, 0, false };
    return { lf.lfFaceName, lf.lfHeight, lf.lfCharSet, lf.lfWeight >= FW_BOLD };
}

// The font a control shows: a window's from the window itself, a graphic
// control's the one it paints with.
FontSeen FontOf(TWinControl* control) { return FontOf(reinterpret_cast<HFONT>(SendMessageW(control->Handle(), WM_GETFONT, 0, 0))); }
FontSeen FontOf(TGraphicControl* control) { return FontOf(control->FontHandleOf()); }

} // namespace

TEST_F(MainWindowState, EveryControlShowsTheFontOfTheDefinition)
{
    Create();
    // SimSun -13 with the ANSI character set; "window font" is the form's
    // MS Sans Serif -11; a control the definition gives no font shows its
    // parent's (Memo1 the log box's, ComboBox1 and BitBtn3 the form's via GroupBox2).
    const FontSeen simSun { L"宋体", -13, ANSI_CHARSET, false };
    const FontSeen window { L"MS Sans Serif", -11, DEFAULT_CHARSET, false };
    const FontSeen newSimSun { L"新宋体", -13, ANSI_CHARSET, false };
    const struct {
        std::variant<TWinControl*, TGraphicControl*> Control;
        FontSeen Expected;
    } table[] = {
        { form->GroupBox2, window },
        { form->Label1, simSun },
        { form->Label2, simSun },
        { form->Label3, simSun },
        { form->Edit2, simSun },
        { form->Edit3, simSun },
        { form->ComboBox1, window },
        { form->CheckBox1, simSun },
        { form->CheckBox2, simSun },
        { form->BitBtn1, simSun },
        { form->BitBtn2, newSimSun },
        { form->BitBtn3, window },
        { form->GroupBox1, simSun },
        { form->Memo1, simSun },
    };
    for (const auto& row : table) {
        FontSeen seen = std::visit([](auto* control) { return FontOf(control); }, row.Control);
        int id = std::visit([](auto* control) { return control->Id(); }, row.Control);
        EXPECT_EQ(seen.Face, row.Expected.Face) << "control " << id;
        EXPECT_EQ(seen.Height, row.Expected.Height) << "control " << id;
        EXPECT_EQ(seen.Charset, row.Expected.Charset) << "control " << id;
        EXPECT_EQ(seen.Bold, row.Expected.Bold) << "control " << id;
    }
}

TEST_F(MainWindowState, LabelsAndTheBannerAreDrawnByTheirParents)
{
    Create();
    // Windowless, as the framework's graphic controls: the group box draws
    // the labels, the window the banner.
    const struct {
        TGraphicControl* Control;
        HWND Parent;
        Rect Bounds;
        const wchar_t* Text;
    } table[] = {
        { form->Image1, form->Handle(), { 0, 0, 251, 80 }, L"" },
        { form->Label1, form->GroupBox2->Handle(), { 16, 16, 49, 29 }, L"帐号:" },
        { form->Label2, form->GroupBox2->Handle(), { 16, 36, 49, 49 }, L"密码:" },
        { form->Label3, form->GroupBox2->Handle(), { 16, 60, 49, 73 }, L"连接:" },
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.Control->ParentHandle(), row.Parent) << "control " << row.Control->Id();
        EXPECT_EQ(row.Control->BoundsRect(), row.Bounds) << "control " << row.Control->Id();
        EXPECT_EQ(row.Control->Text(), row.Text) << "control " << row.Control->Id();
        EXPECT_TRUE(row.Control->Visible());
        POINT inside { row.Bounds.Left + 1, row.Bounds.Top + 1 };
        EXPECT_EQ(TGraphicControl::At(row.Parent, inside), row.Control) << "control " << row.Control->Id();
    }
    EXPECT_EQ(form->Image1->Picture().Width(), 245);
    EXPECT_EQ(form->Image1->Picture().Height(), 80);
}

TEST_F(MainWindowState, TheBannerTakesAClickAndShowsTheHandCursor)
{
    Create();
    int clicks = 0;
    form->Image1->OnClick = [&] { ++clicks; };
    HWND wnd = form->Handle();
    auto mouse = [&](UINT message, int x, int y) { SendMessageW(wnd, message, 0, MAKELPARAM(x, y)); };
    mouse(WM_LBUTTONDOWN, 100, 40);
    mouse(WM_LBUTTONUP, 100, 40);
    EXPECT_EQ(clicks, 1);
    // Pressed on the banner, released elsewhere: no click, and no press left over.
    mouse(WM_LBUTTONDOWN, 100, 40);
    mouse(WM_LBUTTONUP, 100, 200);
    mouse(WM_LBUTTONUP, 100, 40);
    EXPECT_EQ(clicks, 1);
    // The second press of a double click counts as a press.
    mouse(WM_LBUTTONDBLCLK, 10, 10);
    mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 2);
    // The hand over the banner: the window is moved under the cursor (the
    // cursor itself stays where it is).
    EXPECT_EQ(form->Image1->Cursor(), LoadCursorW(nullptr, IDC_HAND));
    form->Show();
    auto putUnderCursor = [&](POINT client) {
        POINT cursor, origin { 0, 0 };
        GetCursorPos(&cursor);
        ClientToScreen(wnd, &origin);
        RECT r;
        GetWindowRect(wnd, &r);
        SetWindowPos(wnd, nullptr, r.left + cursor.x - origin.x - client.x, r.top + cursor.y - origin.y - client.y, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    putUnderCursor({ 100, 40 });
    SetCursor(nullptr);
    EXPECT_EQ(SendMessageW(wnd, WM_SETCURSOR, WPARAM(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    // Below the banner the window keeps its own cursor.
    putUnderCursor({ 100, 300 });
    SetCursor(nullptr);
    SendMessageW(wnd, WM_SETCURSOR, WPARAM(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(TGraphicControl::At(wnd, { 100, 300 }), nullptr);
}

TEST_F(MainWindowState, TheSettingsWindowsHotKeyLabelIsBoldRedSimSun14)
{
    auto* settings = new TForm2(&Application());
    EXPECT_EQ(settings->Label1->Text(), L"Ctrl+Alt+Z快捷拨号");
    FontSeen seen = FontOf(settings->Label1);
    EXPECT_EQ(seen.Face, L"宋体");
    EXPECT_EQ(seen.Height, -14);
    EXPECT_EQ(seen.Charset, GB2312_CHARSET);
    EXPECT_TRUE(seen.Bold);
    EXPECT_EQ(settings->Label1->Font().FontColor, ClRed);
    EXPECT_EQ(settings->Label4->Text(), L"分钟后自动重拨");
    delete settings;
}

TEST_F(MainWindowState, TheDropDownListIs21PixelsHighWithItemsOf13)
{
    Create();
    RECT r;
    GetWindowRect(form->ComboBox1->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 185);
    EXPECT_EQ(r.bottom - r.top, 21);
    EXPECT_EQ(SendMessageW(form->ComboBox1->Handle(), CB_GETITEMHEIGHT, 0, 0), 13);
}

TEST_F(MainWindowState, TheDroppedListShowsEightItemsAndShrinksToFewer)
{
    Create();
    HWND combo = form->ComboBox1->Handle();
    COMBOBOXINFO info { sizeof(info) };
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    auto droppedHeight = [&](int items) {
        std::vector<std::wstring> names;
        for (int i = 0; i < items; ++i)
            names.push_back(L"宽带连接" + std::to_wstring(i));
        form->ComboBox1->SetItems(names);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        RECT r;
        GetWindowRect(info.hwndList, &r);
        const bool shown = IsWindowVisible(info.hwndList);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_TRUE(shown);
        return int(r.bottom - r.top);
    };
    // Eight whole items, however many more there are.
    EXPECT_EQ(droppedHeight(12), 8 * 13 + 2);
    EXPECT_EQ(droppedHeight(8), 8 * 13 + 2);
    EXPECT_EQ(droppedHeight(3), 3 * 13 + 2);
    EXPECT_EQ(droppedHeight(1), 1 * 13 + 2);
}

TEST_F(MainWindowState, ADroppedListGivenAPartRowIsCutBackToWholeItems)
{
    Create();
    TComboBox* box = form->ComboBox1;
    COMBOBOXINFO info { sizeof(info) };
    ASSERT_TRUE(GetComboBoxInfo(box->Handle(), &info));
    auto height = [](HWND wnd) {
        RECT r;
        GetWindowRect(wnd, &r);
        return int(r.bottom - r.top);
    };
    // A control's height is its field's and its dropped list's.
    auto giveList = [&](int list) {
        SetWindowPos(box->Handle(), nullptr, 0, 0, 185, 21 + list, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    giveList(8 * 13 + 2 - 5);
    ASSERT_EQ(height(info.hwndList), 8 * 13 + 2 - 5);
    box->FitDroppedList();
    EXPECT_EQ(height(info.hwndList), 7 * 13 + 2);
    giveList(8 * 13 + 2 + 40);
    box->FitDroppedList();
    EXPECT_EQ(height(info.hwndList), 8 * 13 + 2);
    EXPECT_EQ(height(box->Handle()), 21);
}

TEST_F(MainWindowState, TheHotKeyAtomIsReleasedExactlyOnce)
{
    // Another reference of our own: a second delete by the window would take it.
    ATOM ours = GlobalAddAtomW(L"wwwHotkey");
    ASSERT_NE(ours, 0);
    Create();
    ASSERT_EQ(form->HotKeyAtom, ours);
    TCloseAction action = TCloseAction::caHide;
    form->FormClose(action);
    form->FormClose(action);
    EXPECT_EQ(GlobalFindAtomW(L"wwwHotkey"), ours);
    GlobalDeleteAtom(ours);
}

namespace {

// A form of the application that records the skin messages it receives.
class SkinListener : public TForm {
public:
    SkinListener(TComponent* owner, std::vector<std::pair<HWND, UINT>>& log) : TForm(owner), m_log(log) { FinishCreate(); }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message >= SKM_BEFORECHANGESKIN && message <= SKM_CHANGESKINNABLE && lParam == SkinMessageLParam && wParam)
            m_log.emplace_back(Handle(), message);
        return TForm::HandleMessage(message, wParam, lParam, result);
    }

private:
    std::vector<std::pair<HWND, UINT>>& m_log;
};

} // namespace

TEST_F(MainWindowState, SkinMessagesReachEveryFormOwnerFirst)
{
    Create();
    std::vector<std::pair<HWND, UINT>> log;
    // The main window's procedure as a takeover sees it; the listener is a form of its own.
    TSubclass watch = form->TakeOver([&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == SKM_CHANGESKIN)
            log.emplace_back(wnd, message);
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    auto* listener = new SkinListener(&Application(), log);
    form->lxSkinData1->BroadcastSkinMessage(SKM_CHANGESKIN);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].first, form->Handle());
    EXPECT_EQ(log[1].first, listener->Handle());
    EXPECT_EQ(log[1].second, UINT(SKM_CHANGESKIN));
    delete listener;
}

TEST_F(MainWindowState, TheApplicationWindowCarriesTheProgramsIcon)
{
    ProgramIcons icons = LoadProgramIcons();
    ASSERT_TRUE(icons.Big);
    ASSERT_TRUE(icons.Small);
    ApplyProgramIcons(Application(), icons);
    HWND wnd = Application().Handle();
    EXPECT_EQ(Application().Icon(), icons.Big.Get());
    // The hidden window is handed its icons once the program waits for input.
    if (!IsWindowVisible(wnd))
        test::PumpUntilIdle();
    // What the taskbar entry and Alt+Tab show.
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0)), icons.Big.Get());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0)), icons.Small.Get());
    ICONINFO info {};
    ASSERT_TRUE(GetIconInfo(icons.Small.Get(), &info));
    BITMAP mask {};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    EXPECT_EQ(mask.bmWidth, 16);
    Application().SetIcon(nullptr);
}

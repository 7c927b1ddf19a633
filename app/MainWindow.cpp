// The main window.
#include "app/MainWindow.h"

#include <shellapi.h>

#include "app/ControlIds.h"
#include "app/Housekeeping.h"
#include "app/IniValues.h"
#include "app/Resources.h"
#include "app/SettingsWindow.h"
#include "base/Exception.h"
#include "base/Jpeg.h"
#include "dialup/DialStatus.h"
#include "platform/Application.h"
#include "platform/Handles.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/Wait.h"
#include "skin/data/SkinBroadcast.h"

namespace ventro {

namespace {
const TFontDesc SimSun13 { L"宋体", -13, ANSI_CHARSET, false, ClWindowText };
const TFontDesc NSimSun13 { L"新宋体", -13, ANSI_CHARSET, false, ClWindowText };
const wchar_t* const Section = L"Main";

std::span<const uint8_t> ResourceBytes(int id)
{
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    if (!data)
        return {};
    return { static_cast<const uint8_t*>(LockResource(data)), SizeofResource(nullptr, info) };
}

PixelBuffer LoadBanner()
{
    auto bytes = ResourceBytes(IDR_BANNER);
    return bytes.empty() ? PixelBuffer() : DecodeJpeg(bytes);
}
}

TForm1::TForm1(TComponent* owner)
    : TForm(owner)
    , m_config(ConfigFilePath())
{
    SetName(L"Form1");
    SetCaption(L"VentroADSL拨号器 V1.2 By Qorin");
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBorderIcons({ true, true, false });
    SetPosition(TPosition::poScreenCenter);
    SetColor(ClBtnFace);
    SetFont({ L"MS Sans Serif", -11, DEFAULT_CHARSET, false, ClWindowText });
    // Left 307, top 130 and a client area of 251 x 317 (the width and
    // height the window is first given, 300 x 300, give way to it).
    SetClientBounds(307, 130, 251, 317);
    m_icon = IconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON, 16, 16, 0)));
    SetIcon(m_icon.Get());

    DialUp1 = new TDialUp(this);
    DialUp1->SetLangStrList({ L"Connecting to %s...", L"Verifying username and password...",
        L"An error occured while trying to connect to %s." });
    // A failure, or a line that drops, ends the dial the status belongs to.
    DialUp1->SetOnStatusEvent([this](TDialUp* sender, const std::wstring&, bool error) {
        if (error || sender->StatusState() == RasState::Disconnected)
            m_endedDial = sender->StatusDial();
    });
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    TrayIcon1 = new TTrayIcon(this);
    TrayIcon1->BeginReading();
    TrayIcon1->SetHint(L"VentroADSL拨号器");
    TrayIcon1->SetHide(true);
    TrayIcon1->SetRestoreOn(TTrayIconMessage::imDoubleClick);
    TrayIcon1->SetPopupMenuOn(TTrayIconMessage::imNone);
    TrayIcon1->SetIconIndex(0);
    // The icon goes into the notification area once the window has shown
    // itself and the program waits for input: the shell answers the request
    // at its own pace. A window gone by then takes its request with it.
    Application().RunWhenIdle([self = Handle()] {
        if (auto* form = dynamic_cast<TForm1*>(TCustomWindow::FromHandle(self)))
            form->ShowTrayIcon();
    });
    lxLumenSkinForm1 = new TlxLumenSkinForm(this);
    lxLumenSkinForm1->SetAlwaysResize(false);
    lxLumenSkinForm1->SetPositionInMonitor(TlxPositionInMonitor::lxpDefault);
    lxLumenSkinForm1->SetUseFormCursorInNCArea(false);
    lxLumenSkinForm1->SetMaxMenuItemsInWindow(0);
    lxLumenSkinForm1->SetClientWidth(0);
    lxLumenSkinForm1->SetClientHeight(0);
    lxLumenSkinForm1->SetHideCaptionButtons(false);
    lxLumenSkinForm1->SetAlwaysShowInTray(false);
    lxLumenSkinForm1->SetLogoBitMapTransparent(false);
    lxLumenSkinForm1->SetAlwaysMinimizeToTray(false);
    lxLumenSkinForm1->SetUseSkinFontInMenu(true);
    lxLumenSkinForm1->SetShowIcon(true);
    lxLumenSkinForm1->SetMaximizeOnFullScreen(false);
    lxLumenSkinForm1->SetAlphaBlend(false);
    lxLumenSkinForm1->SetAlphaBlendAnimation(false);
    lxLumenSkinForm1->SetAlphaBlendValue(200);
    lxLumenSkinForm1->SetShowObjectHint(false);
    lxLumenSkinForm1->SetUseDefaultObjectHint(true);
    lxLumenSkinForm1->SetMenusAlphaBlend(false);
    lxLumenSkinForm1->SetMenusAlphaBlendAnimation(false);
    lxLumenSkinForm1->SetMenusAlphaBlendValue(200);
    lxLumenSkinForm1->SetDefCaptionFont({ TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnText });
    lxLumenSkinForm1->SetDefInActiveCaptionFont(
        { TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnShadow });
    lxLumenSkinForm1->SetDefMenuItemHeight(20);
    lxLumenSkinForm1->SetDefMenuItemFont({ "Arial", 14, {}, 1 });
    lxLumenSkinForm1->SetUseDefaultSysMenu(true);
    lxLumenSkinForm1->SetMinHeight(0);
    lxLumenSkinForm1->SetMinWidth(0);
    lxLumenSkinForm1->SetMaxHeight(0);
    lxLumenSkinForm1->SetMaxWidth(0);
    lxLumenSkinForm1->SetMagnetic(false);
    lxLumenSkinForm1->SetMagneticSize(5);
    lxLumenSkinForm1->SetBorderIcons(MainWindowBorderIcons);
    lxSkinData1 = new TlxSkinData(this);
    lxSkinData1->BeginReading();
    lxSkinData1->SetSkinnableForm(true);
    lxSkinData1->EnableSkinEffects = true;
    lxSkinData1->SetSkinIndex(0);
    lxSkinData1->SetSkinMessageSink(ApplicationSkinMessageSink());
    lxCompressedStoredSkin1 = new TlxCompressedStoredSkin(this);
    lxCompressedStoredSkin1->BeginReading();
    auto skin = ResourceBytes(IDR_STOREDSKIN);
    lxCompressedStoredSkin1->SetCompressedData(std::vector<uint8_t>(skin.begin(), skin.end()));

    // Created in tab order, so the dialog manager's Tab follows it.
    GroupBox1 = new TGroupBox(this, { nullptr, ids::GroupBox1, { 0, 223, 251, 317 }, L"日志", SimSun13 });
    Memo1 = new TMemo(this, { GroupBox1->Handle(), ids::Memo1, { 2, 15, 2 + 247, 15 + 77 }, L"" });

    GroupBox2 = new TGroupBox(this, { nullptr, ids::GroupBox2, { 0, 80, 251, 220 }, L"" });
    HWND box = GroupBox2->Handle();
    Edit2 = new TEdit(this, { box, ids::Edit2, { 48, 12, 48 + 185, 12 + 21 }, L"", SimSun13 });
    Edit3 = new TEdit(this, { box, ids::Edit3, { 48, 36, 48 + 185, 36 + 21 }, L"", SimSun13 });
    Edit3->SetPasswordChar(L'*');
    ComboBox1 = new TComboBox(this, { box, ids::ComboBox1, { 48, 60, 48 + 185, 60 + 21 }, L"" }, 13);
    CheckBox1 = new TCheckBox(this, { box, ids::CheckBox1, { 48, 88, 48 + 113, 88 + 17 }, L"记住帐号密码", SimSun13 });
    CheckBox2 = new TCheckBox(this, { box, ids::CheckBox2, { 152, 88, 152 + 89, 88 + 17 }, L"自动重拨", SimSun13 });
    BitBtn1 = new TButton(this, { box, ids::BitBtn1, { 8, 110, 8 + 75, 110 + 25 }, L"拨 号(&L)", SimSun13 });
    BitBtn2 = new TButton(this, { box, ids::BitBtn2, { 88, 110, 88 + 75, 110 + 25 }, L"断 开(&D)", NSimSun13 });
    BitBtn3 = new TButton(this, { box, ids::BitBtn3, { 168, 110, 168 + 75, 110 + 25 }, L"设  置..." });
    Label1 = new TLabel(this, { box, ids::Label1, { 16, 16, 16 + 33, 16 + 13 }, L"帐号:", SimSun13 });
    Label2 = new TLabel(this, { box, ids::Label2, { 16, 36, 16 + 33, 36 + 13 }, L"密码:", SimSun13 });
    Label3 = new TLabel(this, { box, ids::Label3, { 16, 60, 16 + 33, 60 + 13 }, L"连接:", SimSun13 });

    Image1 = new TImage(this, { nullptr, ids::Image1, { 0, 0, 251, 80 }, L"" });
    Image1->SetPicture(LoadBanner());
    Image1->SetHandCursor(true);

    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    BitBtn2->OnClick = [this] { BitBtn2Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    BitBtn3->OnClick = [this] { BitBtn3Click(); };
    Image1->OnClick = [this] { Image1Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };
    FinishCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    ComboBox1->SetItems(DialUp1->PossibleConnections());
    if (!ComboBox1->Items().empty())
        ComboBox1->SetItemIndex(0);
    IeCacheSetting = m_config.ReadString(Section, L"iecache");
    CookieSetting = m_config.ReadString(Section, L"cookie");
    if (m_config.ReadString(Section, L"Flag") == L"1") {
        Edit2->SetText(m_config.ReadString(Section, L"UserName"));
        Edit3->SetText(m_config.ReadString(Section, L"PassWord"));
        if (!Edit2->Text().empty()) {
            // A refused write of the remembered values must not stop the
            // window's creation: the hot key below is still registered.
            Application().Guard([this] { CheckBox1->SetChecked(m_config.ReadBool(Section, L"Flag")); });
        }
    }
    HotKeyAtom = GlobalAddAtomW(L"wwwHotkey");
    RegisterHotKey(Handle(), int(HotKeyAtom), MOD_ALT | MOD_CONTROL, 0x5A);
}

void TForm1::FormActivate()
{
    // Follows what the box shows, so that a ticked box never dials at once.
    AutoRedial = CheckBox2->Checked() ? L"1" : L"0";
    std::wstring folder;
    RegKey key;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
            KEY_READ, &raw) == ERROR_SUCCESS) {
        key.Reset(raw);
        wchar_t buffer[MAX_PATH * 2] {};
        DWORD size = sizeof(buffer) - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(key.Get(), L"Cookies", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS
            && (type == REG_SZ || type == REG_EXPAND_SZ))
            folder.assign(buffer);
    }
    CookieFolder = folder + L"\\";
}

void TForm1::FormClose(TCloseAction&)
{
    // Released once: the atom may be shared with other programs, and a
    // second delete would take away one of their references.
    if (!HotKeyAtom)
        return;
    UnregisterHotKey(Handle(), int(HotKeyAtom));
    GlobalDeleteAtom(ATOM(HotKeyAtom));
    HotKeyAtom = 0;
}

void TForm1::CheckBox1Click()
{
    if (CheckBox1->Checked()) {
        m_config.WriteString(Section, L"UserName", Edit2->Text());
        m_config.WriteString(Section, L"PassWord", Edit3->Text());
        m_config.WriteBool(Section, L"Flag", true);
    } else {
        m_config.WriteBool(Section, L"Flag", false);
    }
}

void TForm1::CheckBox2Click()
{
    AutoRedial = CheckBox2->Checked() ? L"1" : L"0";
    // Unticking the box stops an armed redial.
    if (!CheckBox2->Checked())
        Timer1->SetEnabled(false);
}

void TForm1::Log(const std::wstring& line)
{
    Memo1->AppendLine(line);
}

void TForm1::BitBtn1Click()
{
    if (AutoRedial == L"1") {
        Log(L"自动重拨开始执行");
        RedialTime = m_config.ReadString(Section, L"Time");
        std::wstring trimmed = Trim(RedialTime);
        auto interval = RedialIntervalFromMinutes(
            std::u16string_view(reinterpret_cast<const char16_t*>(RedialTime.data()), RedialTime.size()));
        if (trimmed.empty() || trimmed == L"0" || interval.Check == IntervalCheck::OutOfRange) {
            ShowMessageBox(Handle(), L"请先设置重拨间隔时间！", L"提示", MB_OK | MB_ICONWARNING);
            return;
        }
        if (interval.Check == IntervalCheck::NotAnInteger)
            throw EConvertError("'" + WideToUtf8(RedialTime) + "' is not a valid integer value");
        Timer1->SetInterval(interval.Milliseconds);
        Timer1->SetEnabled(true);
    }
    if (AutoRedial == L"0")
        RunDialSequence();
}

void TForm1::Timer1Timer()
{
    RunDialSequence();
}

bool TForm1::Delay(double milliseconds)
{
    uint64_t ms = milliseconds > 0 ? uint64_t(milliseconds) : 0;
    return WaitProcessingMessages(ms);
}

bool TForm1::WaitForConnection(uint64_t dial)
{
    // The service accepted the dial; wait (at most a minute in all, counting
    // the three seconds already waited) until the line is up or has failed.
    const uint64_t limit = GetTickCount64() + 57000;
    const std::wstring entry = DialUp1->ConnectTo();
    for (;;) {
        if (m_endedDial == dial)
            return false;
        if (DialUp1->CurrentConnection() == entry)
            return true;
        uint64_t now = GetTickCount64();
        if (now >= limit)
            return false;
        if (!WaitProcessingMessages(std::min<uint64_t>(100, limit - now)))
            return false;
    }
}

void TForm1::RunDialSequence()
{
    try {
        DialUp1->SetUsername(Trim(Edit2->Text()));
        DialUp1->SetPassword(Trim(Edit3->Text()));
        DialUp1->SetConnectTo(Trim(ComboBox1->Text()));
        DialUp1->HangUp();
        Log(L"断线成功！");
        if (!Delay(1000))
            return;
        if (!DialUp1->Dial())
            return;
        // Statuses of earlier dials, delivered while this one waits, do not count.
        const uint64_t dial = DialUp1->LastDial();
        if (!Delay(3000))
            return;
        if (!WaitForConnection(dial)) {
            if (!Application().Terminated())
                Log(L"连接出错，请检查连接文件中用户名和密码！");
            return;
        }
        if (CookieSetting == L"1")
            DeleteFilesByExt(CookieFolder, L".txt");
        if (IeCacheSetting == L"1")
            ClearUrlCache();
        std::wstring address = GetLocalIP();
        if (!Delay(1000))
            return;
        Log(L"连接成功,本机IP:" + address);
    } catch (...) {
        Log(L"连接出错，请检查连接文件中用户名和密码！");
    }
}

void TForm1::BitBtn2Click()
{
    try {
        DialUp1->HangUp();
        Log(L"断线成功！");
    } catch (...) {
        Log(L"断线失败！");
    }
}

void TForm1::BitBtn3Click()
{
    // Freed when its modal loop ends rather than kept until exit.
    std::unique_ptr<TForm2> settings(new TForm2(&Application()));
    settings->ShowModal();
}

void TForm1::ShowTrayIcon()
{
    // Without a notification area the dialer still works: the refusal is reported, not fatal.
    Application().Guard([this] { TrayIcon1->SetVisible(true); });
}

void TForm1::Image1Click()
{
    ShellOpen(Handle(), BannerAddress);
}

bool TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_HOTKEY && HotKeyAtom && wParam == WPARAM(HotKeyAtom)) {
        Application().Guard([this] { BitBtn1->Click(); });
        result = 0;
        return true;
    }
    return false;
}

} // namespace ventro

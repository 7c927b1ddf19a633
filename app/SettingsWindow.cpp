// The settings window.
#include "app/SettingsWindow.h"

#include "app/ControlIds.h"
#include "platform/Application.h"

namespace ventro {

namespace {
const TFontDesc SimSun13 { L"宋体", -13, ANSI_CHARSET, false, ClWindowText };
const wchar_t* const Section = L"Main";
const wchar_t* const Notice = L"提示";
}

TForm2::TForm2(TComponent* owner)
    : TForm(owner)
    , m_config(ConfigFilePath())
{
    SetName(L"Form2");
    SetCaption(L"设置");
    SetBorderStyle(TBorderStyle::bsSizeable);
    SetBorderIcons({ true, false, false });
    SetPosition(TPosition::poScreenCenter);
    SetColor(ClBtnFace);
    SetFont(SimSun13);
    SetBounds(380, 148, 211, 153);

    // Created in tab order, so the dialog manager's Tab follows it.
    CheckBox1 = new TCheckBox(this, { nullptr, ids::SettingsCheckBox1, { 24, 16, 24 + 161, 16 + 17 }, L"拨号成功后清空IE缓存", SimSun13 });
    CheckBox2 = new TCheckBox(this, { nullptr, ids::SettingsCheckBox2, { 24, 38, 24 + 161, 38 + 17 }, L"拨号成功后清空COOKIE", SimSun13 });
    CheckBox3 = new TCheckBox(this, { nullptr, ids::SettingsCheckBox3, { 48, 0, 48 + 129, 0 + 17 }, L"相同IP时重新拨号", SimSun13 });
    CheckBox3->SetVisible(false);
    Edit1 = new TEdit(this, { nullptr, ids::SettingsEdit1, { 24, 59, 24 + 25, 59 + 16 }, L"" });
    BitBtn1 = new TButton(this, { nullptr, ids::SettingsBitBtn1, { 56, 99, 56 + 75, 99 + 25 }, L"保存设置" });
    Label4 = new TLabel(this, { nullptr, ids::SettingsLabel4, { 53, 61, 53 + 105, 61 + 13 }, L"分钟后自动重拨", SimSun13 });
    Label1 = new TLabel(this, { nullptr, ids::SettingsLabel1, { 25, 81, 25 + 140, 81 + 14 }, L"Ctrl+Alt+Z快捷拨号",
                                   TFontDesc { L"宋体", -14, GB2312_CHARSET, true, ClRed } });

    Edit1->OnKeyPress = [this](wchar_t& key) { Edit1KeyPress(key); };
    Edit1->OnExit = [this] { Edit1Exit(); };
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    OnCreate = [this] { FormCreate(); };
    FinishCreate();
}

void TForm2::FormCreate()
{
    Edit1->SetText(m_config.ReadString(Section, L"Time"));
    CheckBox1->SetChecked(m_config.ReadBool(Section, L"iecache", false));
    CheckBox2->SetChecked(m_config.ReadBool(Section, L"cookie", false));
}

void TForm2::Edit1KeyPress(wchar_t& key)
{
    bool keep = key == 8 || key == 13 || key == L'.' || (key >= L'0' && key <= L'9');
    if (!keep)
        key = 0;
}

void TForm2::Warn(const wchar_t* text)
{
    ShowMessageBox(Handle(), text, Notice, MB_OK | MB_ICONWARNING);
    Edit1->SetFocus();
}

void TForm2::Edit1Exit()
{
    std::wstring text = Edit1->Text();
    if (text.size() > 2)
        Warn(L"时间间隔不要超过2位！");
    if (text == L"0")
        Warn(L"时间间隔不能为0！");
}

void TForm2::BitBtn1Click()
{
    m_config.WriteString(Section, L"Time", Edit1->Text());
    m_config.WriteBool(Section, L"iecache", CheckBox1->Checked());
    m_config.WriteBool(Section, L"cookie", CheckBox2->Checked());
    m_config.WriteBool(Section, L"sameip", CheckBox3->Checked());
    ShowMessageBox(Handle(), L"数据保存成功！", Notice, MB_OK | MB_ICONINFORMATION);
}

} // namespace ventro

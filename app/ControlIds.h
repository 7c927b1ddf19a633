// Control identifiers of the dialer's windows, shared with the test driver.
#pragma once

namespace ventro::ids {

// Main window.
constexpr int Image1 = 101;
constexpr int GroupBox2 = 102;
constexpr int Label1 = 103;
constexpr int Label2 = 104;
constexpr int Label3 = 105;
constexpr int Edit2 = 106;
constexpr int Edit3 = 107;
constexpr int ComboBox1 = 108;
constexpr int CheckBox1 = 109;
constexpr int CheckBox2 = 110;
constexpr int BitBtn1 = 111;
constexpr int BitBtn2 = 112;
constexpr int BitBtn3 = 113;
constexpr int GroupBox1 = 114;
constexpr int Memo1 = 115;

// Settings window.
constexpr int SettingsCheckBox3 = 201;
constexpr int SettingsCheckBox1 = 202;
constexpr int SettingsCheckBox2 = 203;
constexpr int SettingsEdit1 = 204;
constexpr int SettingsLabel4 = 205;
constexpr int SettingsLabel1 = 206;
constexpr int SettingsBitBtn1 = 207;

} // namespace ventro::ids

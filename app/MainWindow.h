// The main window: account, password and phonebook entry, dial, hang-up,
// settings, the remember and auto-redial switches and the log pane.
#pragma once
#include <string>

#include "app/ConfigFile.h"
#include "dialup/DialUp.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Handles.h"
#include "platform/Timer.h"
#include "skin/data/SkinComponents.h"
#include "skin/form/LumenSkinForm.h"
#include "tray/TrayIcon.h"

namespace ventro {

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    TImage* Image1;
    TGroupBox* GroupBox2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TEdit* Edit2;
    TEdit* Edit3;
    TComboBox* ComboBox1;
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TButton* BitBtn1;
    TButton* BitBtn2;
    TButton* BitBtn3;
    TGroupBox* GroupBox1;
    TMemo* Memo1;
    TDialUp* DialUp1;
    TTimer* Timer1;
    TTrayIcon* TrayIcon1;
    // Draws the window's frame; with no skin data linked, the fallback frame.
    TlxLumenSkinForm* lxLumenSkinForm1;
    // Carried with the window but, as the window defines them, not linked to
    // one another: the stored skin is kept, never decoded or applied.
    TlxSkinData* lxSkinData1;
    TlxCompressedStoredSkin* lxCompressedStoredSkin1;

    void FormCreate();
    void FormActivate();
    void FormClose(TCloseAction& action);
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Timer1Timer();
    void Image1Click();

    // Puts TrayIcon1 into the notification area (once the window has shown itself).
    void ShowTrayIcon();
    // The shared dial sequence of the Dial button, the hot key and the timer.
    void RunDialSequence();
    // Processes messages for `milliseconds`; false when the program is closing.
    bool Delay(double milliseconds);

    // Shared state of the handlers.
    std::wstring AutoRedial;
    std::wstring IeCacheSetting;
    std::wstring CookieSetting;
    std::wstring RedialTime;
    std::wstring CookieFolder;
    uint32_t HotKeyAtom = 0;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Log(const std::wstring& line);
    // After an accepted dial: waits until the line is up or that dial ended.
    bool WaitForConnection(uint64_t dial);

    TConfigFile m_config;
    // The last dial the dial-up component reported as failed or dropped; the
    // texts themselves are not shown, as before.
    uint64_t m_endedDial = 0;
    IconHandle m_icon;
};

// The web page the banner opens.
inline constexpr const wchar_t* BannerAddress = L"https://www.example.com/ventroadsl/";

} // namespace ventro

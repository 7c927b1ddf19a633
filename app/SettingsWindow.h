// The settings window: the redial interval and the two clean-up switches.
#pragma once
#include "app/ConfigFile.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace ventro {

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);

    TCheckBox* CheckBox3;
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TEdit* Edit1;
    TLabel* Label4;
    TLabel* Label1;
    TButton* BitBtn1;

    void FormCreate();
    void Edit1KeyPress(wchar_t& key);
    void Edit1Exit();
    void BitBtn1Click();

private:
    void Warn(const wchar_t* text);
    TConfigFile m_config;
};

} // namespace ventro

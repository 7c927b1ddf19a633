// The standard controls the program's windows use, as components with events:
// label, edit, check box, drop-down list, multi-line text, group box, button
// and image.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Handles.h"

namespace ventro {

class TForm;

// A control with a window of its own. Its parent is the form or another
// control; `id` is the control identifier, so test drivers can find it.
class TWinControl : public TComponent {
public:
    struct Params {
        HWND Parent = nullptr;
        int Id = 0;
        Rect Bounds;            // left, top, right, bottom relative to the parent
        std::wstring Text;
    };

    ~TWinControl() override;

    HWND Handle() const { return m_wnd; }
    int Id() const { return m_id; }
    TForm* Form() const { return m_form; }
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    // A font of its own; without one the control uses its form's font.
    void SetFont(const TFontDesc& font);
    Color FontColor() const { return m_fontColor; }
    void SetVisible(bool visible);
    bool Visible() const;
    void SetFocus();
    bool Focused() const;

    // Raised when the focus moves from this control to another control of the
    // same form (not when the form itself loses the activation).
    std::function<void()> OnExit;

    static TWinControl* FromHandle(HWND wnd);
    // A WM_COMMAND or WM_CTLCOLOR* message reaching a parent window: passed to
    // the control that sent it. True when handled.
    static bool RouteParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    TWinControl(TForm* form, const wchar_t* windowClass, DWORD style, DWORD exStyle, const Params& params);
    // A notification code from WM_COMMAND.
    virtual void Command(WORD code);
    // Messages of the control's own window before the standard procedure; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual HBRUSH CtlColor(HDC dc);
    LRESULT CallStandardProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

    TForm* m_form;
    HWND m_wnd = nullptr;
    WNDPROC m_standardProc = nullptr;
    int m_id;
    FontHandle m_ownFont;
    Color m_fontColor = ClWindowText;
};

class TLabel : public TWinControl {
public:
    TLabel(TForm* form, const Params& params);
};

class TEdit : public TWinControl {
public:
    TEdit(TForm* form, const Params& params, bool multiLine = false);
    void SetPasswordChar(wchar_t c);
    // Called for every typed character; setting it to 0 discards it.
    std::function<void(wchar_t& key)> OnKeyPress;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH CtlColor(HDC dc) override;
};

// The multi-line log pane; it has no length limit.
class TMemo : public TEdit {
public:
    TMemo(TForm* form, const Params& params);
    void AppendLine(const std::wstring& line);
    std::vector<std::wstring> Lines() const;
};

class TCheckBox : public TWinControl {
public:
    TCheckBox(TForm* form, const Params& params);
    bool Checked() const;
    // A change of state raises OnClick, as a click by the user does.
    void SetChecked(bool checked);
    std::function<void()> OnClick;

protected:
    void Command(WORD code) override;
};

class TComboBox : public TWinControl {
public:
    // A drop-down list without free text; `itemHeight` is the selection field's item height.
    TComboBox(TForm* form, const Params& params, int itemHeight);
    void SetItems(const std::vector<std::wstring>& items);
    std::vector<std::wstring> Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TForm* form, const Params& params);

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class TButton : public TWinControl {
public:
    TButton(TForm* form, const Params& params);
    // Runs OnClick as a press of the button does.
    void Click();
    std::function<void()> OnClick;

protected:
    void Command(WORD code) override;
};

// Shows a 24-bit picture centred on the button-face colour; hand cursor optional.
class TImage : public TWinControl {
public:
    TImage(TForm* form, const Params& params);
    void SetPicture(PixelBuffer picture);
    const PixelBuffer& Picture() const { return m_picture; }
    void SetHandCursor(bool hand) { m_handCursor = hand; }
    std::function<void()> OnClick;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    PixelBuffer m_picture;
    bool m_handCursor = false;
    bool m_pressed = false;
};

// Draws a 24-bit top-down buffer at (x, y) of a device context.
void BlitPixels(HDC dc, int x, int y, const PixelBuffer& pixels);

} // namespace ventro

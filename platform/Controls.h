// The controls the program's windows use, as components with events. Edit,
// check box, drop-down list, multi-line text, group box and button keep their
// system classes; the subclass chain carries their handling and a table of
// the thread leads from a window to its control. Label and image have no
// window of their own: their parent window paints them and passes them the
// mouse (each window costs the platform time to make and to paint).
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Handles.h"
#include "platform/Subclass.h"

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
        // The control's own font from the start; none: its parent's.
        std::optional<TFontDesc> Font;
    };

    ~TWinControl() override;

    HWND Handle() const { return m_wnd; }
    int Id() const { return m_id; }
    TForm* Form() const { return m_form; }
    // The control whose window is the parent; null when the form is.
    TWinControl* ParentControl() const;
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    // A font of its own. Without one the control shows its parent's font (the
    // parent control's, else the form's) and follows it when it changes.
    void SetFont(const TFontDesc& font);
    const TFontDesc& Font() const;
    HFONT FontHandleOf() const;
    bool ParentFont() const { return !m_ownFontDesc; }
    Color FontColor() const { return Font().FontColor; }
    void SetVisible(bool visible);
    bool Visible() const;
    void SetFocus();
    bool Focused() const;

    // Raised when the focus moves from this control to another control of the
    // same form (not when the form itself loses the activation).
    std::function<void()> OnExit;

    // The control of a window, found through its thread's table; null for
    // any other window.
    static TWinControl* FromHandle(HWND wnd);
    // A WM_COMMAND or WM_CTLCOLOR* message reaching a parent window: passed to
    // the control that sent it. True when handled.
    static bool RouteParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The font of the window `parent` (the form or a control of it) changed:
    // each control of `owner` on it that shows its parent's font, windowed or
    // graphic, takes the new one and passes it on.
    static void ParentFontChanged(TComponent& owner, HWND parent);

protected:
    TWinControl(TForm* form, const wchar_t* windowClass, DWORD style, DWORD exStyle, const Params& params);
    // A notification code from WM_COMMAND.
    virtual void Command(WORD code);
    // Messages of the control's own window before the standard procedure; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual HBRUSH CtlColor(HDC dc);
    // The standard procedure (below this control's handler in the chain);
    // only from inside HandleMessage.
    LRESULT CallStandardProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyFont(bool redraw);

    TForm* m_form;
    HWND m_wnd = nullptr;
    int m_id;
    TSubclass m_subclass;
    std::optional<TFontDesc> m_ownFontDesc;
    FontHandle m_ownFont;
};

// A control without a window: its parent (the form or a control) paints it
// over its own background and below its child windows, and passes it the
// mouse messages of its rectangle.
class TGraphicControl : public TComponent {
public:
    using Params = TWinControl::Params;
    ~TGraphicControl() override;

    TForm* Form() const { return m_form; }
    HWND ParentHandle() const { return m_parent; }
    int Id() const { return m_id; }
    // Relative to the parent's client area.
    const Rect& BoundsRect() const { return m_bounds; }
    const std::wstring& Text() const { return m_text; }
    void SetText(const std::wstring& text);
    // A font of its own; without one the control shows its parent's.
    void SetFont(const TFontDesc& font);
    const TFontDesc& Font() const;
    HFONT FontHandleOf() const;
    bool ParentFont() const { return !m_ownFontDesc; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Asks the parent to paint the control again.
    void Invalidate();
    // The cursor over the control; null: the parent's.
    virtual HCURSOR Cursor() const;

    // For the parent window: paints its graphic controls that meet `update`
    // (client coordinates), leaving out its child windows.
    static void PaintAll(HWND parent, HDC dc, const RECT& update);
    static bool AnyOn(HWND parent);
    // The topmost visible graphic control of `parent` at `p` (client coordinates).
    static TGraphicControl* At(HWND parent, POINT p);
    // A mouse message of the parent's client area, passed to the control
    // under the cursor; true when it took the message.
    static bool RouteMouse(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    TGraphicControl(TForm* form, const Params& params);
    virtual void Paint(HDC dc) = 0;
    // A mouse message over the control; true when handled.
    virtual bool MouseMessage(UINT message, POINT p);

private:
    TForm* m_form;
    HWND m_parent;
    int m_id;
    Rect m_bounds;
    std::wstring m_text;
    bool m_visible = true;
    std::optional<TFontDesc> m_ownFontDesc;
    FontHandle m_ownFont;
};

// Text on the parent's background, left-aligned and broken into lines.
class TLabel : public TGraphicControl {
public:
    TLabel(TForm* form, const Params& params);

protected:
    void Paint(HDC dc) override;
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
    // A drop-down list without free text. The bounds are those of the
    // selection field (its height included); `itemHeight` is the height of
    // the items of the list.
    TComboBox(TForm* form, const Params& params, int itemHeight);
    void SetItems(const std::vector<std::wstring>& items);
    std::vector<std::wstring> Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Makes the closed control `height` pixels high.
    void SetFieldHeight(int height);

    // Leaves the dropped list room for whole items only, at most eight.
    void FitDroppedList();

private:
    int m_itemHeight;
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
class TImage : public TGraphicControl {
public:
    TImage(TForm* form, const Params& params);
    void SetPicture(PixelBuffer picture);
    const PixelBuffer& Picture() const { return m_picture; }
    void SetHandCursor(bool hand) { m_handCursor = hand; }
    HCURSOR Cursor() const override;
    std::function<void()> OnClick;

protected:
    void Paint(HDC dc) override;
    bool MouseMessage(UINT message, POINT p) override;

private:
    PixelBuffer m_picture;
    bool m_handCursor = false;
    bool m_pressed = false;
};

} // namespace ventro

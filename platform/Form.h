// Forms: top-level windows owned by the application, with border styles,
// desktop centring, activation events, modal show, and a window procedure
// that a component can take over and hand back.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "base/Color.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Handles.h"

namespace ventro {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

struct TBorderIcons {
    bool SystemMenu = true;
    bool Minimize = true;
    bool Maximize = true;
};

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

class TWinControl;

class TForm : public TComponent {
public:
    using WndMethod = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    HWND Handle() const { return m_wnd; }

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    const TBorderIcons& BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    void SetPosition(TPosition position) { m_position = position; }
    void SetBounds(int left, int top, int width, int height);
    void SetClientSize(int width, int height);
    void SetColor(Color color);
    Color GetColor() const { return m_color; }
    HBRUSH BackgroundBrush() const { return m_brush.Get(); }
    void SetFont(const TFontDesc& font);
    const TFontDesc& Font() const { return m_fontDesc; }
    HFONT FontHandleOf() const { return m_font.Get(); }
    void SetIcon(HICON icon);
    HICON Icon() const { return m_icon; }

    void Show();
    void Hide();
    bool Visible() const { return m_wnd && IsWindowVisible(m_wnd); }
    void Close();
    int ShowModal();
    bool IsModal() const { return m_modal; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    // The control that gets the focus when the form is activated.
    void SetActiveControl(TWinControl* control);
    // Told by a control that it received the focus.
    void NoteFocus(HWND control);

    std::function<void()> OnCreate;
    std::function<void()> OnActivate;
    std::function<void()> OnDestroy;
    std::function<void(TCloseAction&)> OnClose;

    // The form's current window procedure. A component may replace it and must
    // call the one it replaced for what it does not handle, and put it back.
    WndMethod WindowProc;
    // The form's own handling, the end of any chain of replacements.
    LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Subclasses build their controls, then call this once: it ends the
    // reading state of every component and raises OnCreate.
    void FinishCreate();
    // Message handling of a form class; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    friend class TApplication;
    static LRESULT CALLBACK StaticWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyStyle();
    void CenterOnDesktop();
    DWORD Style() const;
    DWORD ExStyle() const;

    HWND m_wnd = nullptr;
    TBorderStyle m_borderStyle = TBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons;
    TPosition m_position = TPosition::poDesigned;
    Color m_color = ClBtnFace;
    BrushHandle m_brush;
    TFontDesc m_fontDesc;
    FontHandle m_font;
    HICON m_icon = nullptr;
    HWND m_focus = nullptr;
    bool m_modal = false;
    bool m_shownOnce = false;
    int m_modalResult = mrNone;
};

} // namespace ventro

// Forms: top-level windows owned by the application, with border styles,
// desktop centring, activation events, modal show, an orderly end, and a
// window procedure that components take over through the subclass chain
// (TakeOver). Style changes touch only the bits they own and the client size
// is set from the live frame, so both hold when a takeover draws the frame.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "platform/Application.h"
#include "platform/CustomForm.h"
#include "platform/Font.h"
#include "platform/Handles.h"

namespace ventro {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

struct TBorderIcons {
    bool SystemMenu = true;
    bool Minimize = true;
    bool Maximize = true;
};

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

// The style bits the border style and border icons own; every other bit
// (visible, disabled, maximized, layered, ...) belongs to someone else.
constexpr DWORD BorderStyleBits = WS_POPUP | WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU
    | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD BorderExStyleBits = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW;

class TWinControl;

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    const TBorderIcons& BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    void SetPosition(TPosition position) { m_position = position; }
    void SetBounds(int left, int top, int width, int height);
    // The window rectangle in screen coordinates.
    Rect BoundsRect() const;
    // Sizes the window so that its client area is width x height with the
    // frame it has now (window rectangle minus client rectangle).
    void SetClientSize(int width, int height);
    // The same with the window's top left corner moved to left, top, in one
    // move of the window (SetBounds followed by SetClientSize takes two).
    // Given while the form is read, the place and the client size (with any
    // client size given after it) wait for the end of reading: the window
    // then moves once, under the frame its components gave it, and a form
    // centred on the screen goes straight to the centre.
    void SetClientBounds(int left, int top, int clientWidth, int clientHeight);
    // True while a place given during reading waits for the end of reading.
    bool PlacementWaits() const { return m_placementAfterReading.has_value(); }
    int ClientWidth() const;
    int ClientHeight() const;
    TWindowState WindowState() const;
    // Asks the frame to be measured again (WM_NCCALCSIZE) and redrawn; a
    // hidden window's at its next move, size or show.
    void FrameChanged();
    void SetColor(Color color);
    Color GetColor() const { return m_color; }
    HBRUSH BackgroundBrush() const { return m_brush.Get(); }
    void SetFont(const TFontDesc& font);
    const TFontDesc& Font() const { return m_fontDesc; }
    HFONT FontHandleOf() const { return m_font.Get(); }
    // The window's icon, borrowed. A hidden window is handed it when the
    // program next waits for input; Icon() tells it at once.
    void SetIcon(HICON icon);
    HICON Icon() const { return m_icon; }

    void Show() override;
    void Hide();
    void Close() override;
    int ShowModal();
    bool IsModal() const { return m_modal; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    // The control that gets the focus when the form is activated.
    void SetActiveControl(TWinControl* control);
    HWND ActiveControlHandle() const { return m_focus; }
    // Told by a control that it received the focus.
    void NoteFocus(HWND control);
    // Told by a control that it goes.
    void ForgetControl(HWND control);

    std::function<void()> OnCreate;
    std::function<void()> OnActivate;
    std::function<void()> OnDestroy;
    std::function<void(TCloseAction&)> OnClose;

protected:
    // Subclasses build their controls, then call this once: it ends the
    // reading state of every component and raises OnCreate.
    void FinishCreate();
    // Message handling of a form class; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyStyle();
    void SendIcon();
    // SWP_FRAMECHANGED when a frame change waits, which it then no longer does.
    UINT TakeStaleFrame();
    // The client rectangle under the frame the window has, or will have once
    // a waiting frame change is measured.
    RECT ClientRectNow() const;
    void ResizeClient(int width, int height, const POINT* at);
    // The window's size for this client size under the frame it has now.
    SIZE WindowSizeFor(int clientWidth, int clientHeight) const;
    POINT DesktopCentreFor(SIZE window) const;
    void CenterOnDesktop();
    void PlaceAfterReading();
    DWORD Style() const;
    DWORD ExStyle() const;

    TBorderStyle m_borderStyle = TBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons;
    TPosition m_position = TPosition::poDesigned;
    Color m_color = ClBtnFace;
    BrushHandle m_brush;
    TFontDesc m_fontDesc;
    FontHandle m_font;
    HICON m_icon = nullptr;
    bool m_iconPending = false;
    bool m_frameStale = false;
    struct Placement {
        POINT At;
        int ClientWidth;
        int ClientHeight;
    };
    std::optional<Placement> m_placementAfterReading;
    HWND m_focus = nullptr;
    bool m_modal = false;
    bool m_shownOnce = false;
    bool m_closing = false;
    int m_modalResult = mrNone;
};

} // namespace ventro

// Forms: creation, styles, the live frame, centring, activation, closing,
// modal show and the orderly end.
#include "platform/Form.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/Colors.h"
#include "platform/ControlHost.h"
#include "platform/Text.h"

namespace ventro {

TForm::TForm(TComponent* owner)
    : TCustomForm(owner)
{
    BeginReading();
    m_brush = BrushHandle(CreateSolidBrush(ColorToRGB(m_color)));
    m_font = CreateFontFrom(m_fontDesc);
    CreateHandle();
    Application().RegisterForm(this);
}

TForm::~TForm()
{
    // The destroying phase: OnDestroy, then the removal notices, then the
    // controls (while the window they live in still exists), then the window.
    Destroying();
    if (OnDestroy)
        Application().Guard(OnDestroy);
    SendRemovalNotices();
    DestroyComponents();
    Application().UnregisterForm(this);
    DestroyHandle();
}

void TForm::CreateParams(TCreateParams& params)
{
    params.ClassName = L"VentroForm";
    params.ClassStyle = CS_DBLCLKS;
    params.Style = Style();
    params.ExStyle = ExStyle();
    params.Parent = Application().Handle();
    params.X = CW_USEDEFAULT;
    params.Y = CW_USEDEFAULT;
    params.Width = 300;
    params.Height = 200;
}

void TForm::HandleCreated()
{
    // A new window: an icon still waiting was meant for the one before.
    m_iconPending = false;
    if (m_icon)
        SetIcon(m_icon);
}

void TForm::FinishCreate()
{
    for (TComponent* c : std::vector<TComponent*>(Components()))
        if (c->IsReading())
            c->Loaded();
    Loaded();
    PlaceAfterReading();
    if (OnCreate)
        Application().Guard(OnCreate);
}

std::wstring TForm::Caption() const { return WindowText(Handle()); }
void TForm::SetCaption(const std::wstring& caption) { SetWindowTextW(Handle(), caption.c_str()); }

DWORD TForm::Style() const
{
    DWORD style = WS_CLIPCHILDREN;
    switch (m_borderStyle) {
    case TBorderStyle::bsNone: return style | WS_POPUP;
    case TBorderStyle::bsSingle:
    case TBorderStyle::bsToolWindow: style |= WS_CAPTION | WS_BORDER; break;
    case TBorderStyle::bsSizeable:
    case TBorderStyle::bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
    case TBorderStyle::bsDialog: style |= WS_CAPTION | WS_DLGFRAME; break;
    }
    if (m_borderIcons.SystemMenu) {
        style |= WS_SYSMENU;
        bool withBoxes = m_borderStyle != TBorderStyle::bsDialog && m_borderStyle != TBorderStyle::bsToolWindow
            && m_borderStyle != TBorderStyle::bsSizeToolWin;
        if (withBoxes && m_borderIcons.Minimize)
            style |= WS_MINIMIZEBOX;
        if (withBoxes && m_borderIcons.Maximize)
            style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD TForm::ExStyle() const
{
    DWORD ex = WS_EX_CONTROLPARENT;
    if (m_borderStyle == TBorderStyle::bsDialog)
        ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (m_borderStyle == TBorderStyle::bsToolWindow || m_borderStyle == TBorderStyle::bsSizeToolWin)
        ex |= WS_EX_TOOLWINDOW;
    return ex;
}

void TForm::ApplyStyle()
{
    HWND wnd = Handle();
    if (!wnd)
        return;
    LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    LONG_PTR newStyle = (style & ~LONG_PTR(BorderStyleBits)) | LONG_PTR(Style() & BorderStyleBits);
    LONG_PTR newEx = (ex & ~LONG_PTR(BorderExStyleBits)) | LONG_PTR(ExStyle() & BorderExStyleBits);
    if (newStyle == style && newEx == ex)
        return;
    SetWindowLongPtrW(wnd, GWL_STYLE, newStyle);
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, newEx);
    FrameChanged();
}

void TForm::FrameChanged()
{
    HWND wnd = Handle();
    if (!wnd)
        return;
    // A hidden window's frame is measured again with its next move, size or
    // show: each measurement of a top-level window costs the platform about
    // as much as painting a control, and a form being built changes its
    // frame several times before anyone sees it.
    if (!IsWindowVisible(wnd)) {
        m_frameStale = true;
        return;
    }
    m_frameStale = false;
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

UINT TForm::TakeStaleFrame()
{
    if (!m_frameStale)
        return 0;
    m_frameStale = false;
    return SWP_FRAMECHANGED;
}

RECT TForm::ClientRectNow() const
{
    RECT r {};
    HWND wnd = Handle();
    if (!m_frameStale) {
        GetClientRect(wnd, &r);
        return r;
    }
    // The frame the window will have: asked of whoever answers WM_NCCALCSIZE.
    RECT window {};
    GetWindowRect(wnd, &window);
    r = window;
    SendMessageW(wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    return { 0, 0, std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top) };
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    ApplyStyle();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    m_borderIcons = icons;
    ApplyStyle();
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE | TakeStaleFrame());
}

Rect TForm::BoundsRect() const
{
    RECT r {};
    GetWindowRect(Handle(), &r);
    return { r.left, r.top, r.right, r.bottom };
}

int TForm::ClientWidth() const
{
    return m_placementAfterReading ? m_placementAfterReading->ClientWidth : ClientRectNow().right;
}

int TForm::ClientHeight() const
{
    return m_placementAfterReading ? m_placementAfterReading->ClientHeight : ClientRectNow().bottom;
}

TWindowState TForm::WindowState() const
{
    if (IsIconic(Handle()))
        return TWindowState::wsMinimized;
    if (IsZoomed(Handle()))
        return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TForm::SetClientSize(int width, int height)
{
    if (m_placementAfterReading) {
        m_placementAfterReading->ClientWidth = width;
        m_placementAfterReading->ClientHeight = height;
        return;
    }
    ResizeClient(width, height, nullptr);
}

void TForm::SetClientBounds(int left, int top, int clientWidth, int clientHeight)
{
    const POINT at { left, top };
    // Each move of a top-level window costs the platform as much as making a
    // control; the components read after this one may change the frame again.
    if (IsReading() && !m_shownOnce) {
        m_placementAfterReading = Placement { at, clientWidth, clientHeight };
        return;
    }
    ResizeClient(clientWidth, clientHeight, &at);
}

void TForm::PlaceAfterReading()
{
    if (!m_placementAfterReading)
        return;
    const Placement placement = *m_placementAfterReading;
    m_placementAfterReading.reset();
    // Only a form not shown yet has a placement waiting.
    POINT at = placement.At;
    if (m_position == TPosition::poScreenCenter)
        at = DesktopCentreFor(WindowSizeFor(placement.ClientWidth, placement.ClientHeight));
    ResizeClient(placement.ClientWidth, placement.ClientHeight, &at);
}

namespace {
// The window's size for a client area of width x height under the frame that
// separates `window` from `client` now.
SIZE WithFrame(const RECT& window, const RECT& client, int width, int height)
{
    return { width + (window.right - window.left) - client.right,
        height + (window.bottom - window.top) - client.bottom };
}
}

SIZE TForm::WindowSizeFor(int clientWidth, int clientHeight) const
{
    RECT window;
    GetWindowRect(Handle(), &window);
    return WithFrame(window, ClientRectNow(), clientWidth, clientHeight);
}

void TForm::ResizeClient(int width, int height, const POINT* at)
{
    HWND wnd = Handle();
    if (!wnd)
        return;
    // The frame is whatever answers WM_NCCALCSIZE now. A frame whose size
    // depends on the window's size gets a second measurement.
    for (int round = 0; round < 2; ++round) {
        RECT window;
        GetWindowRect(wnd, &window);
        RECT client = ClientRectNow();
        const bool placed = !at || (window.left == at->x && window.top == at->y);
        if (client.right == width && client.bottom == height && !m_frameStale && placed)
            return;
        const SIZE size = WithFrame(window, client, width, height);
        SetWindowPos(wnd, nullptr, at ? at->x : 0, at ? at->y : 0, size.cx, size.cy,
            SWP_NOZORDER | SWP_NOACTIVATE | (at ? 0 : SWP_NOMOVE) | TakeStaleFrame());
    }
}

void TForm::SetColor(Color color)
{
    m_color = color;
    m_brush = BrushHandle(CreateSolidBrush(ColorToRGB(color)));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm::SetFont(const TFontDesc& font)
{
    m_fontDesc = font;
    FontHandle old = std::move(m_font);
    m_font = CreateFontFrom(font);
    // Controls that take their parent's font follow, before the old one goes.
    ControlHost::ParentFontChanged(*this, Handle());
}

void TForm::SetIcon(HICON icon)
{
    m_icon = icon;
    if (HWND wnd = Handle())
        Application().HandOverIcons(wnd, m_iconPending, [wnd] {
            // The form may be gone by the time the program waits for input.
            if (auto* form = dynamic_cast<TForm*>(TCustomWindow::FromHandle(wnd)))
                form->SendIcon();
        });
}

void TForm::SendIcon()
{
    m_iconPending = false;
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
}

POINT TForm::DesktopCentreFor(SIZE window) const
{
    return { (GetSystemMetrics(SM_CXSCREEN) - window.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - window.cy) / 2 };
}

void TForm::CenterOnDesktop()
{
    RECT r;
    GetWindowRect(Handle(), &r);
    const POINT centre = DesktopCentreFor({ r.right - r.left, r.bottom - r.top });
    if (centre.x == r.left && centre.y == r.top)
        return;
    SetWindowPos(
        Handle(), nullptr, centre.x, centre.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | TakeStaleFrame());
}

void TForm::Show()
{
    HWND wnd = HandleNeeded();
    PlaceAfterReading();
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (m_position == TPosition::poScreenCenter)
            CenterOnDesktop();
        if (!m_focus) {
            HWND first = GetNextDlgTabItem(wnd, nullptr, FALSE);
            if (first)
                m_focus = first;
        }
    }
    ShowWindow(wnd, SW_SHOWNORMAL);
    SetForegroundWindow(wnd);
    UpdateWindow(wnd);
}

void TForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TForm::NoteFocus(HWND control)
{
    m_focus = control;
}

void TForm::ForgetControl(HWND control)
{
    if (m_focus == control)
        m_focus = nullptr;
}

void TForm::SetActiveControl(TWinControl* control)
{
    m_focus = control ? ControlHost::WindowOf(*control) : nullptr;
    if (control && GetActiveWindow() == Handle())
        ::SetFocus(m_focus);
}

void TForm::Close()
{
    // A close request that arrives while the accepted one is still being
    // carried out (a wait inside a handler pumps messages) changes nothing.
    if (m_closing)
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) {
        m_closing = true;
        try {
            OnClose(action);
        } catch (...) {
            m_closing = false;
            throw;
        }
        m_closing = false;
    }
    if (action == TCloseAction::caNone)
        return;
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (Application().MainForm() == this) {
        // From here on the program ends; later requests find it closing.
        m_closing = true;
        Application().Terminate();
        return;
    }
    if (action == TCloseAction::caMinimize)
        ShowWindow(Handle(), SW_MINIMIZE);
    else if (action == TCloseAction::caFree)
        Release();
    else
        Hide();
}

int TForm::ShowModal()
{
    // Every other window of the application is disabled while this one runs.
    std::vector<HWND> disabled;
    for (TCustomForm* form : Application().Forms())
        if (form != this && form->Handle() && IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    HWND previousActive = GetActiveWindow();
    m_modal = true;
    m_modalResult = mrNone;
    Show();
    while (m_modalResult == mrNone) {
        if (!Application().HandleMessage()) {
            m_modalResult = mrCancel; // WM_QUIT ends the modal loop; it was posted again
            break;
        }
    }
    for (HWND wnd : disabled)
        if (IsWindow(wnd))
            EnableWindow(wnd, TRUE);
    Hide();
    m_modal = false;
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    return m_modalResult;
}

bool TForm::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleMessage(message, wParam, lParam, result))
        return result;
    if (ControlHost::RouteParentMessage(message, wParam, lParam, result))
        return result;
    if (ControlHost::RouteGraphicMouse(Handle(), message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT:
        if (ControlHost::AnyGraphicOn(Handle())) {
            PaintDC paint(Handle());
            ControlHost::PaintGraphics(Handle(), paint.Get(), paint.Info().rcPaint);
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGING: {
        // A frame changed while hidden is measured as the window shows.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos->flags & SWP_SHOWWINDOW)
            pos->flags |= TakeStaleFrame();
        break;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, m_brush.Get());
        return 1;
    }
    case WM_CLOSE:
        Application().Guard([this] { Close(); });
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            // The control that last had the focus gets it back, unless a
            // handler already put it somewhere inside the form.
            HWND focus = GetFocus();
            bool inside = focus && IsChild(Handle(), focus);
            if (!inside && m_focus && IsWindow(m_focus) && IsWindowVisible(m_focus) && IsWindowEnabled(m_focus))
                ::SetFocus(m_focus);
            if (Application().FormActivated(this) && OnActivate)
                Application().Guard(OnActivate);
        }
        return 0;
    case WM_SYSCOMMAND:
        // The main form's minimize and restore belong to the application:
        // its window (and whoever takes it over) handles them.
        if (Application().MainForm() == this && ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_RESTORE)) {
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, wParam & 0xFFF0, lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

} // namespace ventro

// Forms: creation, styles, centring, activation, closing and modal show.
#include "platform/Form.h"

#include <windowsx.h>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Text.h"

namespace ventro {

static const wchar_t* FormClassName()
{
    static const wchar_t* name = [] {
        WNDCLASSEXW wc { sizeof(wc) };
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"VentroForm";
        RegisterClassExW(&wc);
        return L"VentroForm";
    }();
    return name;
}

TForm::TForm(TComponent* owner)
    : TComponent(owner)
{
    BeginReading();
    WindowProc = [this](UINT message, WPARAM wParam, LPARAM lParam) { return DefaultWindowProc(message, wParam, lParam); };
    m_brush = BrushHandle(CreateSolidBrush(ColorToRGB(m_color)));
    m_font = CreateFontFrom(m_fontDesc);
    FormClassName();
    m_wnd = CreateWindowExW(ExStyle(), L"VentroForm", L"", Style(), CW_USEDEFAULT, CW_USEDEFAULT, 300, 200,
        Application().Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm::StaticWindowProc));
    Application().RegisterForm(this);
}

TForm::~TForm()
{
    if (OnDestroy)
        Application().Guard(OnDestroy);
    // Controls go first, while the window they live in still exists.
    DestroyComponents();
    Application().UnregisterForm(this);
    if (m_wnd) {
        SetWindowLongPtrW(m_wnd, GWLP_USERDATA, 0);
        DestroyWindow(m_wnd);
    }
}

void TForm::FinishCreate()
{
    for (TComponent* c : std::vector<TComponent*>(Components()))
        c->Loaded();
    Loaded();
    if (OnCreate)
        Application().Guard(OnCreate);
}

std::wstring TForm::Caption() const { return WindowText(m_wnd); }
void TForm::SetCaption(const std::wstring& caption) { SetWindowTextW(m_wnd, caption.c_str()); }

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
    RECT client;
    GetClientRect(m_wnd, &client);
    SetWindowLongPtrW(m_wnd, GWL_STYLE, LONG_PTR((GetWindowLongPtrW(m_wnd, GWL_STYLE) & WS_VISIBLE) | Style()));
    SetWindowLongPtrW(m_wnd, GWL_EXSTYLE, LONG_PTR(ExStyle()));
    SetWindowPos(m_wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
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
    SetWindowPos(m_wnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetClientSize(int width, int height)
{
    RECT r { 0, 0, width, height };
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    SetWindowPos(m_wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetColor(Color color)
{
    m_color = color;
    m_brush = BrushHandle(CreateSolidBrush(ColorToRGB(color)));
    InvalidateRect(m_wnd, nullptr, TRUE);
}

void TForm::SetFont(const TFontDesc& font)
{
    m_fontDesc = font;
    m_font = CreateFontFrom(font);
}

void TForm::SetIcon(HICON icon)
{
    m_icon = icon;
    SendMessageW(m_wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(m_wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void TForm::CenterOnDesktop()
{
    RECT r;
    GetWindowRect(m_wnd, &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(m_wnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (m_position == TPosition::poScreenCenter)
            CenterOnDesktop();
        if (!m_focus) {
            HWND first = GetNextDlgTabItem(m_wnd, nullptr, FALSE);
            if (first)
                m_focus = first;
        }
    }
    ShowWindow(m_wnd, SW_SHOWNORMAL);
    SetForegroundWindow(m_wnd);
    UpdateWindow(m_wnd);
}

void TForm::Hide() { ShowWindow(m_wnd, SW_HIDE); }

void TForm::NoteFocus(HWND control)
{
    m_focus = control;
}

void TForm::SetActiveControl(TWinControl* control)
{
    m_focus = control ? control->Handle() : nullptr;
    if (control && GetActiveWindow() == m_wnd)
        control->SetFocus();
}

void TForm::Close()
{
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    if (action == TCloseAction::caMinimize)
        ShowWindow(m_wnd, SW_MINIMIZE);
    else
        Hide();
}

int TForm::ShowModal()
{
    // Every other window of the application is disabled while this one runs.
    std::vector<HWND> disabled;
    for (TForm* form : Application().Forms())
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
        EnableWindow(wnd, TRUE);
    Hide();
    m_modal = false;
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    return m_modalResult;
}

LRESULT CALLBACK TForm::StaticWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(wnd, message, wParam, lParam);
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        Application().HandleCurrentException();
        return 0;
    }
}

bool TForm::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TForm::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleMessage(message, wParam, lParam, result))
        return result;
    if (TWinControl::RouteParentMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(m_wnd, &r);
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
            bool inside = focus && IsChild(m_wnd, focus);
            if (!inside && m_focus && IsWindow(m_focus) && IsWindowVisible(m_focus))
                ::SetFocus(m_focus);
            Application().FormActivated(this);
        }
        return 0;
    case WM_SYSCOMMAND:
        // The main form's minimize and restore belong to the application:
        // its window (and whoever hooks it) handles them.
        if (Application().MainForm() == this && ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_RESTORE)) {
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, wParam & 0xFFF0, lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(m_wnd, message, wParam, lParam);
}

} // namespace ventro

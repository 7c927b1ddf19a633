// The window base: class registration, the object at WM_NCCREATE, takeovers
// that are in place before a window's first message, and re-creation.
#include "platform/CustomWindow.h"

#include <utility>

#include "platform/ErrorReport.h"
#include "platform/Release.h"

namespace ventro {

namespace {

// The window whose CreateWindowExW runs now, for the creation hook; one at a
// time per thread, since the hook is set only around that call.
thread_local TCustomWindow* t_creating = nullptr;

} // namespace

TCustomWindow::TCustomWindow(TComponent* owner)
    : TComponent(owner)
{
}

TCustomWindow::~TCustomWindow()
{
    if (!m_wnd)
        return;
    HandleDestroying();
    // The object is half gone: the window's last messages go to the platform
    // (and to takeovers still installed), not to our procedure.
    SetWindowLongPtrW(m_wnd, 0, 0);
    HWND wnd = std::exchange(m_wnd, nullptr);
    DestroyWindow(wnd);
}

void TCustomWindow::CreateParams(TCreateParams& params)
{
    params.ClassName = L"VentroWindow";
}

const wchar_t* TCustomWindow::RegisterClassFor(const TCreateParams& params)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing { sizeof(existing) };
    if (GetClassInfoExW(instance, params.ClassName.c_str(), &existing))
        return params.ClassName.c_str();
    WNDCLASSEXW wc { sizeof(wc) };
    wc.style = params.ClassStyle;
    wc.lpfnWndProc = &TCustomWindow::StaticWndProc;
    wc.cbWndExtra = sizeof(void*); // the object
    wc.hInstance = instance;
    wc.hCursor = params.Cursor ? params.Cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = params.Background;
    wc.hIcon = params.Icon;
    wc.lpszClassName = params.ClassName.c_str();
    if (!RegisterClassExW(&wc) && (wc.style & CS_DROPSHADOW)) {
        // Platforms without drop shadows refuse the style; the class goes without it.
        wc.style &= ~CS_DROPSHADOW;
        RegisterClassExW(&wc);
    }
    return params.ClassName.c_str();
}

LRESULT CALLBACK TCustomWindow::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_creating) {
        auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (create->lpcs && create->lpcs->lpCreateParams == t_creating) {
            TCustomWindow* self = std::exchange(t_creating, nullptr);
            self->AttachTakeovers(reinterpret_cast<HWND>(wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TCustomWindow::AttachTakeovers(HWND wnd)
{
    bool any = false;
    std::erase_if(m_takeovers, [](const auto& weak) { return weak.expired(); });
    for (const auto& weak : m_takeovers)
        if (auto entry = weak.lock())
            any = AttachSubclassEntry(*entry, wnd) || any;
    return any;
}

void TCustomWindow::CreateHandle()
{
    if (m_wnd)
        return;
    TCreateParams params;
    CreateParams(params);
    if (m_recreating) {
        params.Caption = m_recreateState.Caption;
        params.X = m_recreateState.X;
        params.Y = m_recreateState.Y;
        params.Width = m_recreateState.Width;
        params.Height = m_recreateState.Height;
        params.Style &= ~WS_VISIBLE;
    }
    const wchar_t* className = RegisterClassFor(params);
    std::erase_if(m_takeovers, [](const auto& weak) { return weak.expired(); });
    // Takeovers go on before the window's first message (WM_GETMINMAXINFO
    // comes even before WM_NCCREATE), through a creation hook around this call.
    // https://learn.microsoft.com/windows/win32/winmsg/cbtproc (HCBT_CREATEWND)
    HHOOK hook = nullptr;
    TCustomWindow* outer = t_creating;
    if (!m_takeovers.empty()) {
        t_creating = this;
        hook = SetWindowsHookExW(WH_CBT, &TCustomWindow::CreationHook, nullptr, GetCurrentThreadId());
    }
    HMENU menu = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.Id)) : nullptr;
    HWND wnd = CreateWindowExW(params.ExStyle, className, params.Caption.c_str(), params.Style, params.X, params.Y,
        params.Width, params.Height, params.Parent, menu, GetModuleHandleW(nullptr), this);
    if (hook)
        UnhookWindowsHookEx(hook);
    t_creating = outer;
    if (wnd) {
        m_wnd = wnd;
        // Takeovers made while the window was being created (inside WM_CREATE) hold too.
        AttachTakeovers(wnd);
        HandleCreated();
    }
}

HWND TCustomWindow::HandleNeeded()
{
    if (!m_wnd)
        CreateHandle();
    return m_wnd;
}

void TCustomWindow::DestroyHandle()
{
    if (!m_wnd)
        return;
    HandleDestroying();
    HWND wnd = m_wnd;
    DestroyWindow(wnd);
    m_wnd = nullptr;
}

void TCustomWindow::RecreateWnd()
{
    if (!m_wnd) {
        CreateHandle();
        return;
    }
    WINDOWPLACEMENT placement { sizeof(placement) };
    GetWindowPlacement(m_wnd, &placement);
    bool visible = IsWindowVisible(m_wnd) != FALSE;
    RECT bounds;
    GetWindowRect(m_wnd, &bounds);
    if (GetWindowLongPtrW(m_wnd, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(m_wnd), reinterpret_cast<POINT*>(&bounds), 2);
    int length = GetWindowTextLengthW(m_wnd);
    std::wstring caption(size_t(length) + 1, L'\0');
    GetWindowTextW(m_wnd, caption.data(), length + 1);
    caption.resize(size_t(length));

    // Child windows live on: they wait as message-only windows, then come
    // back in their old order (the tab order).
    std::vector<HWND> children;
    for (HWND child = GetWindow(m_wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children)
        SetParent(child, HWND_MESSAGE);

    DestroyHandle();
    m_recreateState.Caption = caption;
    m_recreateState.X = bounds.left;
    m_recreateState.Y = bounds.top;
    m_recreateState.Width = bounds.right - bounds.left;
    m_recreateState.Height = bounds.bottom - bounds.top;
    m_recreating = true;
    CreateHandle();
    m_recreating = false;
    if (!m_wnd)
        return;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        SetParent(*it, m_wnd);
        SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    placement.showCmd = visible ? (placement.showCmd == SW_SHOWMINIMIZED ? SW_SHOWMINNOACTIVE : placement.showCmd) : SW_HIDE;
    if (visible && placement.showCmd == SW_SHOWNORMAL)
        placement.showCmd = SW_SHOWNA;
    SetWindowPlacement(m_wnd, &placement);
}

TSubclass TCustomWindow::TakeOver(SubclassHandler handler)
{
    TSubclass token(nullptr, std::move(handler));
    m_takeovers.push_back(token.Entry());
    if (m_wnd)
        token.Attach(m_wnd);
    return token;
}

TCustomWindow* TCustomWindow::FromHandle(HWND wnd)
{
    if (!wnd || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId())
        return nullptr;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(wnd, GCLP_WNDPROC)) != &TCustomWindow::StaticWndProc)
        return nullptr;
    return reinterpret_cast<TCustomWindow*>(GetWindowLongPtrW(wnd, 0));
}

void TCustomWindow::Release() { ReleaseComponent(this); }

LRESULT TCustomWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TCustomWindow::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_wnd, message, wParam, lParam);
}

LRESULT CALLBACK TCustomWindow::StaticWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TCustomWindow*>(GetWindowLongPtrW(wnd, 0));
    if (!self) {
        if (message != WM_NCCREATE)
            return DefWindowProcW(wnd, message, wParam, lParam);
        self = static_cast<TCustomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (!self)
            return DefWindowProcW(wnd, message, wParam, lParam);
        SetWindowLongPtrW(wnd, 0, reinterpret_cast<LONG_PTR>(self));
        self->m_wnd = wnd;
    }
    LRESULT result = 0;
    try {
        result = self->WndProc(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        // A failed WM_NCCREATE would end the window's creation.
        result = message == WM_NCCREATE ? DefWindowProcW(wnd, message, wParam, lParam) : 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(wnd, 0, 0);
        if (self->m_wnd == wnd)
            self->m_wnd = nullptr;
    }
    return result;
}

} // namespace ventro

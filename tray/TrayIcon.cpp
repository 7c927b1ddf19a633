// The tray icon component.
#include "tray/TrayIcon.h"

#include <atomic>
#include <cstring>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Shell.h"
#include "tray/TrayTip.h"

namespace ventro {

namespace {

// Identifiers only need to differ between the icons of one window; a counter
// keeps them small and independent of where an instance lives in memory.
UINT NextIconId()
{
    static std::atomic<UINT> next { 1 };
    return next++;
}

// Broadcast to every top-level window when the taskbar starts again (after
// the shell crashed), which forgets all notification icons.
// https://learn.microsoft.com/windows/win32/shell/taskbar#taskbar-creation-notification
UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

IconHandle CopyOf(HICON icon) { return IconHandle(icon ? CopyIcon(icon) : nullptr); }

IconHandle ApplicationIconCopy()
{
    HICON icon = Application().Icon();
    // An application without an icon of its own shows the platform's standard one.
    return CopyOf(icon ? icon : LoadIconW(nullptr, IDI_APPLICATION));
}

} // namespace

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner)
{
    m_animateTimer = new TTimer(this);
    WantApplicationIcon();

    OnAnimate = [this](TComponent*) { NextIcon(); };
    m_animateTimer->SetEnabled(false);
    m_animateTimer->OnTimer = [this] { NextIcon(); };
    m_animateTimer->SetInterval(1000);

    // The first-version record: the tooltip of 64 bytes is all this icon uses,
    // and every shell accepts that size.
    m_iconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_iconData.uID = NextIconId();
    m_iconData.uFlags = NIF_MESSAGE | NIF_ICON;
    m_iconData.uCallbackMessage = CallbackMessage;
    UpdateIcon();
}

TTrayIcon::~TTrayIcon()
{
    if (m_window)
        ShellNotifyIcon(NIM_DELETE, &m_iconData);
    RemoveHook();
    m_window.reset();
    m_animateTimer->OnTimer = nullptr;
}

HWND TTrayIcon::Handle()
{
    if (!m_window) {
        m_window = std::make_unique<MessageWindow>([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return TrayWndProc(message, wParam, lParam, result);
        });
        m_iconData.hWnd = m_window->Handle();
    }
    return m_iconData.hWnd;
}

void TTrayIcon::Loaded()
{
    TComponent::Loaded();
    if (!m_icons) {
        m_animate = false;
        WantApplicationIcon();
    } else {
        m_animateTimer->SetEnabled(m_animate);
        if (HICON icon = m_icons->Icon(m_iconIndex))
            ShowCopyOf(icon);
    }
    UpdateIcon();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_icons) {
        m_icons = nullptr;
        // Animation runs only while there is an image list to step through.
        m_animateTimer->SetEnabled(false);
    }
    if (component == m_popupMenu)
        m_popupMenu = nullptr;
}

void TTrayIcon::SetVisible(bool visible)
{
    m_visible = visible;
    if (visible) {
        Handle();
        EnsureIcon();
        if (!ShellNotifyIcon(NIM_ADD, &m_iconData))
            throw EOutOfResources("Cannot Create System Shell Notification Icon");
        SetHide(true);
        InstallHook();
    } else {
        if (!ShellNotifyIcon(NIM_DELETE, &m_iconData))
            throw EOutOfResources("Cannot Remove System Shell Notification Icon");
        SetHide(false);
        RemoveHook();
    }
}

void TTrayIcon::SetHint(const std::wstring& hint)
{
    if (hint == m_hint || hint.size() >= 64)
        return;
    m_hint = hint;
    std::string tip = TrayTipText(hint);
    std::memset(m_iconData.szTip, 0, sizeof(m_iconData.szTip));
    std::memcpy(m_iconData.szTip, tip.data(), tip.size());
    if (hint.empty())
        m_iconData.uFlags &= ~NIF_TIP;
    else
        m_iconData.uFlags |= NIF_TIP;
    UpdateIcon();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu)
{
    if (m_popupMenu == menu)
        return;
    if (m_popupMenu)
        RemoveFreeNotification(m_popupMenu);
    m_popupMenu = menu;
    if (menu)
        FreeNotification(menu);
}

void TTrayIcon::SetIcons(TImageList* icons)
{
    if (m_icons == icons)
        return;
    if (m_icons)
        RemoveFreeNotification(m_icons);
    m_icons = icons;
    if (icons)
        FreeNotification(icons);
}

void TTrayIcon::SetHide(bool hide)
{
    m_hide = hide;
    if (!m_visible)
        return;
    TApplication& app = Application();
    if (app.IsMinimized() && hide)
        ShowWindow(app.Handle(), SW_HIDE);
    else if (!app.IsMinimized() && !hide)
        ShowWindow(app.Handle(), SW_RESTORE);
}

void TTrayIcon::SetAnimate(bool animate)
{
    if (m_icons || IsReading())
        m_animate = animate;
    if (m_icons)
        m_animateTimer->SetEnabled(animate);
}

void TTrayIcon::WantApplicationIcon()
{
    m_currentIcon.Reset();
    m_applicationIconDue = true;
}

void TTrayIcon::ShowCopyOf(HICON icon)
{
    m_currentIcon = CopyOf(icon);
    m_applicationIconDue = false;
}

void TTrayIcon::EnsureIcon()
{
    if (m_applicationIconDue) {
        m_applicationIconDue = false;
        m_currentIcon = ApplicationIconCopy();
    }
    m_iconData.hIcon = m_currentIcon.Get();
}

HICON TTrayIcon::CurrentIcon()
{
    EnsureIcon();
    return m_currentIcon.Get();
}

const NOTIFYICONDATAA& TTrayIcon::IconData()
{
    EnsureIcon();
    return m_iconData;
}

void TTrayIcon::UpdateIcon()
{
    m_iconData.hIcon = m_currentIcon.Get();
    if (m_visible) {
        EnsureIcon();
        ShellNotifyIcon(NIM_MODIFY, &m_iconData);
    }
}

void TTrayIcon::SetIconFromIndex(int index)
{
    m_iconIndex = index;
    // An index outside the list keeps the icon shown.
    if (m_icons)
        if (HICON icon = m_icons->Icon(index))
            ShowCopyOf(icon);
    UpdateIcon();
}

void TTrayIcon::NextIcon()
{
    int count = m_icons ? m_icons->Count() : 0;
    SetIconFromIndex(m_iconIndex < count - 1 ? m_iconIndex + 1 : 0);
}

void TTrayIcon::UseApplicationIcon()
{
    WantApplicationIcon();
    UpdateIcon();
}

bool TTrayIcon::TrayWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_QUERYENDSESSION:
        result = 1;
        return true;
    case WM_ENDSESSION:
        // Only when the session really ends; a cancelled shutdown keeps the icon.
        if (wParam)
            ShellNotifyIcon(NIM_DELETE, &m_iconData);
        result = 0;
        return true;
    case CallbackMessage:
        // The low word carries the mouse message in every version of the record.
        Application().Guard([&] { DispatchMouseMessage(LOWORD(lParam)); });
        result = 0;
        return true;
    default:
        if (message == TaskbarCreatedMessage() && TaskbarCreatedMessage() != 0) {
            if (m_visible)
                ShellNotifyIcon(NIM_ADD, &m_iconData);
            result = 0;
            return true;
        }
        return false;
    }
}

void TTrayIcon::DispatchMouseMessage(UINT mouseMessage)
{
    TShiftState shift = KeyboardShiftState();
    POINT cursor {};
    GetCursorPos(&cursor);
    const int x = cursor.x;
    const int y = cursor.y;
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        if (OnClick)
            DoMouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
        DoMouseDown(TMouseButton::mbLeft, shift + TShift::ssLeft, x, y);
        break;
    case WM_LBUTTONUP:
        if (OnClick)
            DoClick();
        DoMouseUp(TMouseButton::mbLeft, shift + TShift::ssLeft, x, y);
        RunActions(TTrayIconMessage::imLeftClickUp);
        break;
    case WM_LBUTTONDBLCLK:
        DoDblClick();
        RunActions(TTrayIconMessage::imLeftDoubleClick);
        break;
    case WM_RBUTTONDOWN:
        DoMouseDown(TMouseButton::mbRight, shift + TShift::ssRight, x, y);
        break;
    case WM_RBUTTONUP:
        DoMouseUp(TMouseButton::mbRight, shift + TShift::ssRight, x, y);
        RunActions(TTrayIconMessage::imRightClickUp);
        break;
    case WM_RBUTTONDBLCLK:
        DoDblClick();
        RunActions(TTrayIconMessage::imRightDoubleClick);
        break;
    case WM_MBUTTONDOWN:
        DoMouseDown(TMouseButton::mbMiddle, shift + TShift::ssMiddle, x, y);
        break;
    case WM_MBUTTONUP:
        DoMouseUp(TMouseButton::mbMiddle, shift + TShift::ssMiddle, x, y);
        break;
    case WM_MBUTTONDBLCLK:
        DoDblClick();
        break;
    default:
        break;
    }
}

void TTrayIcon::RunActions(TTrayIconMessage action)
{
    if (m_restoreOn == action)
        Restore();
    if (m_popupMenuOn == action)
        PopupAtCursor();
}

void TTrayIcon::DoClick()
{
    RunActions(TTrayIconMessage::imClick);
    if (OnClick)
        OnClick(this);
}

void TTrayIcon::DoDblClick() { RunActions(TTrayIconMessage::imDoubleClick); }

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y)
{
    if (OnMuuseMove)
        OnMuuseMove(this, shift, x, y);
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    RunActions(TTrayIconMessage::imMouseDown);
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    RunActions(TTrayIconMessage::imMouseUp);
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TTrayIcon::Restore()
{
    TApplication& app = Application();
    app.Restore();
    ShowWindow(app.Handle(), SW_RESTORE);
    SetForegroundWindow(app.Handle());
    // The application window passes the activation on only through a posted
    // message; until then it would be the active window, so pass it on now.
    app.HandOnFocus();
    if (OnRestore)
        OnRestore(this);
}

void TTrayIcon::Minimize()
{
    TApplication& app = Application();
    app.Minimize();
    if (m_hide)
        ShowWindow(app.Handle(), SW_HIDE);
    if (OnMinimize)
        OnMinimize(this);
}

void TTrayIcon::PopupAtCursor()
{
    POINT cursor {};
    GetCursorPos(&cursor);
    // The foreground window makes the menu close when the user clicks elsewhere.
    TCustomForm* active = Application().ActiveForm();
    if (active && active->Handle())
        SetForegroundWindow(active->Handle());
    if (m_popupMenu)
        m_popupMenu->Popup(cursor.x, cursor.y);
}

void TTrayIcon::MainWindowHook(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_SYSCOMMAND) {
        // The low four bits of the command are the platform's own.
        // https://learn.microsoft.com/windows/win32/menurc/wm-syscommand
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Application().Guard([this] { Minimize(); });
            break;
        case SC_RESTORE:
            Application().Guard([this] { Restore(); });
            break;
        default:
            break;
        }
    }
}

void TTrayIcon::InstallHook()
{
    if (m_hook.Installed())
        return;
    // The hook never answers a message itself: the application's own
    // handling follows, as the application window's next procedure.
    m_hook = Application().HookMainWindow([this](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        MainWindowHook(message, wParam, lParam);
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
}

void TTrayIcon::RemoveHook()
{
    m_hook.Reset();
}

} // namespace ventro

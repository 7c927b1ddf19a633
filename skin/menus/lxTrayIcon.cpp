// The skin form's notification-area icon.
#include "skin/menus/lxTrayIcon.h"

#include <cstring>

#include "platform/CustomForm.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Shell.h"
#include "skin/menus/lxSkinMenus.h"

namespace ventro {

namespace {

IconHandle CopyOf(HICON icon) { return IconHandle(icon ? CopyIcon(icon) : nullptr); }

} // namespace

std::string TrayTip127(std::wstring_view hint, UINT codePage)
{
    std::string out;
    for (size_t i = 0; i < hint.size();) {
        // A surrogate pair is one character.
        const size_t n = (i + 1 < hint.size() && hint[i] >= 0xD800 && hint[i] <= 0xDBFF) ? 2 : 1;
        char bytes[8];
        const int len = WideCharToMultiByte(codePage, 0, hint.data() + i, int(n), bytes, sizeof bytes, nullptr, nullptr);
        if (len <= 0 || out.size() + size_t(len) > 127)
            break;
        out.append(bytes, size_t(len));
        i += n;
    }
    return out;
}

TlxTrayIcon::TlxTrayIcon(TComponent* owner) : TComponent(owner)
{
    ShellNotify = [](DWORD message, NOTIFYICONDATAA* data) { return ShellNotifyIcon(message, data); };
    m_receiver = std::make_unique<MessageWindow>(
        [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return ReceiverProc(message, wParam, lParam, result);
        });
    m_receiver->HandleNeeded();
    m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    HICON appIcon = Application().Icon();
    m_icon = CopyOf(appIcon ? appIcon : LoadIconW(nullptr, IDI_APPLICATION));
    m_appHook = Application().HookMainWindow(
        [this](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) { return ApplicationHook(wnd, message, wParam, lParam); });
    if (HWND owner = OwnerWindow())
        m_ownerHook = TSubclass(owner,
            [this](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) { return OwnerHook(wnd, message, wParam, lParam); });
}

TlxTrayIcon::~TlxTrayIcon()
{
    m_liveness.End();
    RemoveTrayIcon();
    StopAnimateTimer();
    StopClickTimer();
    m_ownerHook.Reset();
    m_appHook.Reset();
    m_receiver.reset();
}

HWND TlxTrayIcon::OwnerWindow() const
{
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    return form ? form->Handle() : nullptr;
}

void TlxTrayIcon::Loaded()
{
    TComponent::Loaded();
    if (OwnerWindow() && MinimizedOnStart) {
        m_iconVisible = true;
        MinimizeToTray = true;
        Application().ShowMainForm = false;
        ShowWindow(Application().Handle(), SW_HIDE);
    }
    UpdateTrayIcon();
    if (m_iconVisible)
        AddTrayIcon();
}

void TlxTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_iconList) {
        m_iconList = nullptr;
        StopAnimateTimer();
    }
    if (component == m_popupMenu)
        m_popupMenu = nullptr;
}

void TlxTrayIcon::FillIconData()
{
    m_data = NOTIFYICONDATAA {};
    m_data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    m_data.hWnd = ReceiverWindow();
    m_data.uID = 1;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = CallbackMessage;
    m_data.hIcon = m_icon.Get();
    if (m_showHint && !m_hint.empty()) {
        const std::string tip = TrayTip127(m_hint);
        std::memcpy(m_data.szTip, tip.data(), tip.size());
    }
}

BOOL TlxTrayIcon::AddTrayIcon()
{
    FillIconData();
    m_iconVisible = true;
    return ShellNotify(NIM_ADD, &m_data);
}

BOOL TlxTrayIcon::RemoveTrayIcon()
{
    FillIconData();
    m_iconVisible = false;
    return ShellNotify(NIM_DELETE, &m_data);
}

BOOL TlxTrayIcon::UpdateTrayIcon()
{
    FillIconData();
    return ShellNotify(NIM_MODIFY, &m_data);
}

void TlxTrayIcon::SetIconVisible(bool value)
{
    if (value)
        AddTrayIcon();
    else
        RemoveTrayIcon();
}

void TlxTrayIcon::SetIcon(HICON icon)
{
    m_icon = CopyOf(icon);
    UpdateTrayIcon();
}

void TlxTrayIcon::SetHint(std::wstring value)
{
    m_hint = std::move(value);
    UpdateTrayIcon();
}

void TlxTrayIcon::SetShowHint(bool value)
{
    m_showHint = value;
    UpdateTrayIcon();
}

void TlxTrayIcon::SetIconList(TImageList* value)
{
    if (m_iconList)
        RemoveFreeNotification(m_iconList);
    m_iconList = value;
    if (value)
        FreeNotification(value);
    SetIconIndex(m_iconIndex);
}

void TlxTrayIcon::SetIconIndex(int value)
{
    const int count = m_iconList ? ImageCount(*m_iconList) : 0;
    m_iconIndex = CapIconIndex(value, count);
    if (count > 0)
        m_icon = ImageIcon(*m_iconList, m_iconIndex);
    UpdateTrayIcon();
}

void TlxTrayIcon::SetPopupMenu(TlxSkinPopupMenu* value)
{
    if (m_popupMenu)
        RemoveFreeNotification(m_popupMenu);
    m_popupMenu = value;
    if (value)
        FreeNotification(value);
}

void TlxTrayIcon::SetCycleIcons(bool value)
{
    m_cycleIcons = value;
    if (value) {
        SetIconIndex(0);
        StartAnimateTimer();
    } else {
        StopAnimateTimer();
    }
}

void TlxTrayIcon::SetAnimateTimerInterval(uint32_t value)
{
    m_animateInterval = value;
    if (m_cycleIcons)
        StartAnimateTimer();
}

void TlxTrayIcon::StartAnimateTimer()
{
    StopAnimateTimer();
    if (m_animateInterval > 0)
        m_animateTimer = Application().StartTimer(m_animateInterval, [this] { Cycle(); });
}

void TlxTrayIcon::StopAnimateTimer()
{
    if (m_animateTimer)
        Application().StopTimer(m_animateTimer);
    m_animateTimer = 0;
}

void TlxTrayIcon::StopClickTimer()
{
    if (m_clickTimer)
        Application().StopTimer(m_clickTimer);
    m_clickTimer = 0;
}

void TlxTrayIcon::Cycle()
{
    if (!m_iconList)
        return;
    const int count = ImageCount(*m_iconList);
    if (count <= 0)
        return;
    m_icon = ImageIcon(*m_iconList, CapIconIndex(m_iconIndex, count));
    const int next = NextCycleIndex(m_iconIndex, count);
    if (OnCycle) {
        const TAliveToken alive = m_liveness.Token();
        OnCycle(this, next);
        if (!alive)
            return;
    }
    UpdateTrayIcon();
    m_iconIndex = next;
}

void TlxTrayIcon::RestoreMainForm()
{
    TCustomForm* main = Application().MainForm();
    if (!OwnerWindow() || !main)
        return;
    ShowWindow(Application().Handle(), SW_RESTORE);
    HWND wnd = main->Handle();
    ShowWindow(wnd, IsIconic(wnd) ? SW_RESTORE : SW_SHOW);
}

void TlxTrayIcon::HideMainForm()
{
    if (!OwnerWindow())
        return;
    if (TCustomForm* main = Application().MainForm())
        ShowWindow(main->Handle(), SW_HIDE);
    ShowWindow(Application().Handle(), SW_HIDE);
}

void TlxTrayIcon::PopupAtCursor()
{
    POINT p;
    if (!m_popupMenu || !m_popupMenu->AutoPopup || !GetCursorPos(&p))
        return;
    const TAliveToken alive = m_liveness.Token();
    Application().ProcessMessages();
    if (!alive || !m_popupMenu)
        return;
    SetForegroundWindow(ReceiverWindow());
    if (HWND owner = OwnerWindow())
        SetForegroundWindow(owner);
    m_popupMenu->PopupComponent = this;
    m_popupMenu->Popup(p.x, p.y);
    if (!alive)
        return;
    if (HWND owner = OwnerWindow())
        PostMessageW(owner, WM_NULL, 0, 0);
}

bool TlxTrayIcon::ReceiverProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
        // Nobody but the component ends its receiver.
        result = 1;
        return true;
    case CallbackMessage:
        if (Enabled)
            Application().Guard([&] { MouseMessage(UINT(LOWORD(lParam))); });
        result = 0;
        return true;
    default:
        (void)wParam;
        return false;
    }
}

void TlxTrayIcon::MouseMessage(UINT mouseMessage)
{
    POINT p {};
    GetCursorPos(&p);
    const TShiftState shift = KeyboardShiftState();
    const TAliveToken alive = m_liveness.Token();
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(this, shift, p.x, p.y);
        break;
    case WM_LBUTTONDOWN:
        StopClickTimer();
        m_clicks.LeftDown();
        m_clickTimer = Application().StartTimer(GetDoubleClickTime(), [this] {
            StopClickTimer();
            if (m_clicks.ClickTimer() == TrayClickTracker::Report::Click && OnClick)
                OnClick(this);
        });
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbLeft, shift + TShift::ssLeft, p.x, p.y);
        if (alive && PopupByLeftButton)
            PopupAtCursor();
        break;
    case WM_LBUTTONUP:
        if (m_clicks.LeftUp() == TrayClickTracker::Report::Click && OnClick)
            OnClick(this);
        if (alive && OnMouseUp)
            OnMouseUp(this, TMouseButton::mbLeft, shift + TShift::ssLeft, p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        m_clicks.DoubleClick();
        if (OnDblClick)
            OnDblClick(this);
        if (alive && m_popupMenu && m_popupMenu->AutoPopup && !PopupByLeftButton)
            if (TMenuItem* item = FirstDefaultItem(m_popupMenu->Items()))
                ClickMenuItem(*item);
        break;
    case WM_RBUTTONDOWN:
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbRight, shift + TShift::ssRight, p.x, p.y);
        if (alive)
            PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        if (OnMouseUp)
            OnMouseUp(this, TMouseButton::mbRight, shift + TShift::ssRight, p.x, p.y);
        break;
    case WM_MBUTTONDOWN:
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbMiddle, shift + TShift::ssMiddle, p.x, p.y);
        break;
    case WM_MBUTTONUP:
        if (OnMouseUp)
            OnMouseUp(this, TMouseButton::mbMiddle, shift + TShift::ssMiddle, p.x, p.y);
        break;
    case WM_USER + 5:
        if (OnBalloonHintClick)
            OnBalloonHintClick(this);
        break;
    default:
        break;
    }
}

LRESULT TlxTrayIcon::ApplicationHook(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED && MinimizeToTray) {
        Application().Guard([&] {
            HideMainForm();
            AddTrayIcon();
        });
    } else if (message == WM_WINDOWPOSCHANGED && m_settingMDIForm && Application().MainForm()) {
        m_settingMDIForm = false;
    } else if (message == m_taskbarCreated && m_taskbarCreated != 0 && m_iconVisible) {
        // The shell started again and forgot every icon.
        AddTrayIcon();
    }
    return CallPreviousProc(wnd, message, wParam, lParam);
}

LRESULT TlxTrayIcon::OwnerHook(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        // The control that had the focus gets it back, unless the window
        // losing the activation is that control or holds it.
        auto* form = dynamic_cast<TForm*>(Owner());
        HWND control = form ? form->ActiveControlHandle() : nullptr;
        HWND deactivated = reinterpret_cast<HWND>(lParam);
        if (control && IsWindow(control) && deactivated != control && deactivated != GetParent(control))
            SetFocus(control);
    }
    if (message == WM_SHOWWINDOW && wParam == 1 && lParam == 0) {
        ShowWindow(Application().Handle(), SW_RESTORE);
        SetForegroundWindow(Application().Handle());
        SetForegroundWindow(wnd);
    }
    return CallPreviousProc(wnd, message, wParam, lParam);
}

} // namespace ventro

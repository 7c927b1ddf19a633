// The skin form controller's menus: the system menu (the default one rebuilt
// for the window's state, or the application's own with the default items put
// in), the menus of caption buttons, the tray menu, the menu state while a
// skinned menu is open, and the form's shortcuts (Alt+Space).
#include "skin/form/LumenSkinForm.h"

#include "platform/Input.h"
#include "platform/Text.h"
#include "skin/form/WinFrameDrawing.h"

namespace ventro {

void TlxLumenSkinForm::PopupMenu(TlxActiveSkinObject& object, MenuItemRef menu)
{
    if (!HandleReady() || !menu || !m_skinMenu)
        return;
    // The menu takes the pointer from here on.
    if (GetCapture() == m_form->Handle())
        ReleaseCapture();
    Rect w = WindowRectOf(m_form->Handle());
    Rect anchor { w.Left + object.ObjectRect.Left, w.Top + object.ObjectRect.Top, w.Left + object.ObjectRect.Right,
        w.Top + object.ObjectRect.Bottom };
    EnterMenuState();
    // The frame's menus have no images: an image menu shown before leaves none.
    m_skinMenu->SetImages(nullptr);
    m_skinMenu->Popup(m_form->Handle(), ProvidedMenusSkinData(), false,
        const_cast<TMenuItem*>(static_cast<const TMenuItem*>(menu)), anchor, 0);
}

std::string TlxLumenSkinForm::ResString(std::string_view key, std::wstring_view fallback, std::wstring& out) const
{
    std::string value;
    if (m_skinData && m_skinData->ResourceStrData())
        value = m_skinData->ResourceStrData()->GetResString(key);
    out = value.empty() ? std::wstring(fallback) : AnsiToWide(value);
    return value;
}

void TlxLumenSkinForm::RunSysMenuAction(SysMenuAction action)
{
    switch (action) {
    case SysMenuAction::Minimize: MinimizeForm(); break;
    case SysMenuAction::MinimizeToTray: MinimizeToTray(); break;
    case SysMenuAction::Maximize: ChangeWindowState(TWindowState::wsMaximized); break;
    case SysMenuAction::Restore:
        if (m_windowState == TWindowState::wsNormal && IsMainForm() && IsIconic(Application().Handle()))
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        else
            ChangeWindowState(TWindowState::wsNormal);
        break;
    case SysMenuAction::RollDown: SetRollUpState(false); break;
    case SysMenuAction::RollUp: SetRollUpState(true); break;
    case SysMenuAction::Close: CloseForm(); break;
    case SysMenuAction::Separator: break;
    }
}

SysMenuState TlxLumenSkinForm::MenuState() const
{
    SysMenuState s;
    s.Icons = m_borderIcons;
    s.Minimized = m_windowState == TWindowState::wsMinimized;
    s.Maximized = m_windowState == TWindowState::wsMaximized;
    s.RolledUp = m_rolledUp;
    s.RolledUpWhileMaximized = m_rolledUpWhileMaximized;
    s.AlwaysMinimizeToTray = m_alwaysMinimizeToTray;
    return s;
}

std::unique_ptr<TMenuItem> TlxLumenSkinForm::MakeSysMenuItem(const SysMenuItemInfo& entry)
{
    auto item = std::make_unique<TMenuItem>();
    item->SetName(AnsiToWide(entry.Name));
    if (entry.Action == SysMenuAction::Separator) {
        item->Caption = L"-";
        return item;
    }
    ResString(entry.CaptionKey, entry.Caption, item->Caption);
    item->ShortCut = entry.ShortCut;
    item->OnClick = m_liveness.WhileAlive([this, action = entry.Action](TComponent*) { RunSysMenuAction(action); });
    return item;
}

TMenuItem& TlxLumenSkinForm::PrepareSystemMenu()
{
    const SysMenuState state = MenuState();
    if (m_systemMenu) {
        TMenuItem& root = m_systemMenu->Items();
        for (int i = root.Count() - 1; i >= 0; --i)
            if (IsDefaultSystemMenuItemName(WideToAnsi(root.Items(i)->Name())))
                root.Delete(i);
        if (m_useDefaultSysMenu) {
            auto [before, after] = ApplicationSystemMenuItems(state);
            int at = 0;
            for (const auto& entry : before)
                root.Insert(at++, MakeSysMenuItem(entry));
            for (const auto& entry : after)
                root.Add(MakeSysMenuItem(entry));
        }
        return root;
    }
    TMenuItem& root = m_defaultSysMenu->Items();
    root.Clear();
    for (const auto& entry : DefaultSystemMenuItems(state))
        root.Add(MakeSysMenuItem(entry));
    return root;
}

void TlxLumenSkinForm::PopupSystemMenu(Rect screenRect)
{
    if (!HandleReady() || !m_skinMenu)
        return;
    TMenuItem& root = PrepareSystemMenu();
    EnterMenuState();
    m_skinMenu->SetImages(nullptr);
    m_skinMenu->Popup(m_form->Handle(), ProvidedMenusSkinData(), false, &root, screenRect, 0);
}

void TlxLumenSkinForm::EnterMenuState()
{
    // The menu engine takes the key-downs through its own filter; the wheel
    // would scroll the window beneath an open menu.
    m_wheelFilter = Application().AddMessageFilter([this](MSG& message) {
        return (message.message == WM_MOUSEWHEEL || message.message == WM_MOUSEHWHEEL) && m_skinMenu
            && m_skinMenu->Visible();
    });
    m_skinMenuOpen = true;
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TlxLumenSkinForm::ReleaseDownMenuButton()
{
    if (!m_frame)
        return;
    for (auto& o : m_frame->Objects()) {
        if (auto* button = dynamic_cast<TlxSkinButtonObject*>(o.get()); button && button->Down && button->MenuItem) {
            button->SetDown(false);
            return;
        }
        if (auto* animate = dynamic_cast<TlxSkinAnimateObject*>(o.get()); animate && animate->Pressed && animate->MenuItem) {
            animate->Pressed = false;
            StartAnimationTimer();
            RepaintObject(*animate);
            return;
        }
    }
}

void TlxLumenSkinForm::SkinMenuClosed()
{
    m_skinMenuOpen = false;
    ReleaseDownMenuButton();
    m_wheelFilter.Reset();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

void TlxLumenSkinForm::BuildTrayMenu()
{
    TMenuItem& root = m_trayMenu->Items();
    root.Clear();
    TMenuItem* restore = root.Add(L"&Restore", m_liveness.WhileAlive([this](TComponent*) { RestoreFromTray(); }));
    restore->SetName(L"TRAY_LSF_RESTORE");
    root.Add(L"-");
    TMenuItem* close = root.Add(L"&Close", m_liveness.WhileAlive([this](TComponent*) { CloseForm(); }));
    close->SetName(L"TRAY_LSF_CLOSE");
    close->ShortCut = L"Alt+F4";
}

void TlxLumenSkinForm::ApplyMenuSettings()
{
    if (!m_skinMenu)
        return;
    m_skinMenu->MaxMenuItemsInWindow = m_maxMenuItemsInWindow;
    m_skinMenu->OwnerWindow = m_form->Handle();
}

void TlxLumenSkinForm::PopupSystemMenuAtButton()
{
    Rect w = WindowRectOf(m_form->Handle());
    for (auto& o : m_frame->Objects())
        if (o->Command() == TlxStdCommand::cmSysMenu && o->Enabled && o->Visible) {
            Rect r = o->ObjectRect;
            PopupSystemMenu({ w.Left + r.Left, w.Top + r.Top, w.Left + r.Right, w.Top + r.Bottom });
            return;
        }
}

bool TlxLumenSkinForm::HandleShortCut(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    if (!HandleReady() || !message.hwnd || GetAncestor(message.hwnd, GA_ROOT) != m_form->Handle())
        return false;
    // An open menu takes the keys through its own filter. A menu that closed
    // without telling this form (opened for another control) is done with.
    if (m_skinMenu && m_skinMenu->Visible())
        return false;
    if (m_skinMenuOpen)
        SkinMenuClosed();
    const WORD key = WORD(message.wParam);
    const TShiftState shift = KeyboardShiftState();
    bool handled = false;
    if (OnShortCut) {
        const TAliveToken alive = m_liveness.Token();
        OnShortCut(key, shift, handled);
        if (!alive || handled)
            return handled;
    }
    if (key == VK_SPACE && shift == TShiftState { TShift::ssAlt } && m_skinned && m_frame) {
        PopupSystemMenuAtButton();
        return true;
    }
    return false;
}

} // namespace ventro

// The popup menu component.
#include "tray/PopupMenu.h"

#include "platform/Application.h"
#include "platform/Form.h"

namespace ventro {

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner)
    , m_menu(CreatePopupMenu())
{
}

void TPopupMenu::AddItem(UINT command, const std::wstring& text)
{
    AppendMenuW(m_menu.Get(), MF_STRING, command, text.c_str());
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    TApplication& app = Application();
    HWND owner = app.ActiveForm() && app.ActiveForm()->Handle() ? app.ActiveForm()->Handle() : app.Handle();
    UINT command = UINT(TrackPopupMenuEx(m_menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
    // A menu opened for a notification icon needs the owner to see one more
    // message, or the next opening closes at once.
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu (remarks)
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command && OnCommand)
        OnCommand(command);
}

} // namespace ventro

// A popup menu component: a platform menu of its own that opens at a screen
// position and reports the chosen command.
#pragma once
#include <functional>
#include <string>

#include "platform/Component.h"
#include "platform/Handles.h"

namespace ventro {

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);

    HMENU Handle() const { return m_menu.Get(); }
    void AddItem(UINT command, const std::wstring& text);
    // Opens the menu at the screen position and waits until it closes; raises
    // OnCommand with the chosen command, if any.
    virtual void Popup(int x, int y);

    std::function<void(TComponent* Sender)> OnPopup;
    std::function<void(UINT command)> OnCommand;

private:
    MenuHandle m_menu;
};

} // namespace ventro

// Menu item trees and the native popup menu.
#include "platform/Menus.h"

#include <cwctype>

#include "platform/Application.h"
#include "platform/Handles.h"
#include "platform/ImageList.h"

namespace ventro {

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
{
}

TMenuItem::~TMenuItem()
{
    // Sub-items go first, newest first, as owned components do.
    while (!m_items.empty())
        m_items.pop_back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return int(i);
    return -1;
}

TMenuItem* TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item)
{
    if (!item)
        return nullptr;
    item->m_parent = this;
    index = index < 0 || index > Count() ? Count() : index;
    m_items.insert(m_items.begin() + index, std::move(item));
    return m_items[size_t(index)].get();
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }

TMenuItem* TMenuItem::Add(std::wstring caption, TNotifyEvent onClick)
{
    auto item = std::make_unique<TMenuItem>();
    item->Caption = std::move(caption);
    item->OnClick = std::move(onClick);
    return Add(std::move(item));
}

std::unique_ptr<TMenuItem> TMenuItem::Remove(TMenuItem* item)
{
    int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TMenuItem> taken = std::move(m_items[size_t(index)]);
    m_items.erase(m_items.begin() + index);
    taken->m_parent = nullptr;
    return taken;
}

void TMenuItem::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void TMenuItem::Clear()
{
    while (!m_items.empty())
        m_items.pop_back();
}

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

wchar_t MenuAccelerator(std::wstring_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return wchar_t(std::towlower(caption[i + 1]));
    }
    return 0;
}

std::wstring StripAccelerator(std::wstring_view caption)
{
    std::wstring shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (i + 1 < caption.size() && caption[i + 1] == L'&')
                ++i;
            else
                continue;
        }
        shown += caption[i];
    }
    return shown;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner)
    , m_items(std::make_unique<TMenuItem>())
{
}

void TPopupMenu::SetImages(TImageList* images)
{
    if (m_images == images)
        return;
    if (m_images)
        RemoveFreeNotification(m_images);
    m_images = images;
    if (images)
        FreeNotification(images);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        m_images = nullptr;
}

HMENU BuildNativeMenu(const TMenuItem& root, std::vector<TMenuItem*>& commands)
{
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < root.Count(); ++i) {
        TMenuItem* item = root.Items(i);
        if (!item->Visible)
            continue;
        if (item->IsLine()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = item->Caption;
        if (!item->ShortCut.empty())
            text += L"\t" + item->ShortCut;
        MENUITEMINFOW info { sizeof(info) };
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
        info.fType = item->RadioItem ? MFT_RADIOCHECK : MFT_STRING;
        info.fState = (item->Enabled ? MFS_ENABLED : MFS_DISABLED) | (item->Checked ? MFS_CHECKED : 0)
            | (item->Default ? MFS_DEFAULT : 0);
        info.dwTypeData = text.data();
        if (item->Count() > 0) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = BuildNativeMenu(*item, commands);
        } else {
            commands.push_back(item);
            info.wID = UINT(commands.size());
        }
        InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
    return menu;
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    std::vector<TMenuItem*> commands;
    MenuHandle menu(BuildNativeMenu(*m_items, commands));
    TApplication& app = Application();
    HWND owner = app.ActiveForm() && app.ActiveForm()->Handle() ? app.ActiveForm()->Handle() : app.Handle();
    UINT command = UINT(TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
    // A menu opened for a notification icon needs the owner to see one more
    // message, or the next opening closes at once.
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu (remarks)
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command >= 1 && command <= commands.size()) {
        TMenuItem* chosen = commands[command - 1];
        app.Guard([chosen] { chosen->Click(); });
    }
}

} // namespace ventro

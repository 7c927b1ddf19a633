// The framework's menus: a tree of menu items (caption with "&" for the
// accelerator, shortcut text, check and radio marks, default, enabled,
// visible, image index, sub-items, OnClick) and a popup menu component that
// shows its tree at a screen position. Skinned menus show the same trees.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Component.h"
#include "platform/Events.h"

namespace ventro {

class TImageList;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    ~TMenuItem() override;

    std::wstring Caption;
    // Shown right-aligned after the caption, such as "Alt+F4".
    std::wstring ShortCut;
    bool Checked = false;
    // A checked radio item shows a dot instead of a tick.
    bool RadioItem = false;
    // Shown in bold; the item a double click would choose.
    bool Default = false;
    bool Enabled = true;
    bool Visible = true;
    int ImageIndex = -1;
    int Tag = 0;
    TNotifyEvent OnClick;

    TMenuItem* Parent() const { return m_parent; }
    int Count() const { return int(m_items.size()); }
    TMenuItem* Items(int index) const { return index >= 0 && index < Count() ? m_items[size_t(index)].get() : nullptr; }
    int IndexOf(const TMenuItem* item) const;
    // Takes the item over and appends it (or inserts it at `index`); returns it.
    TMenuItem* Add(std::unique_ptr<TMenuItem> item);
    TMenuItem* Insert(int index, std::unique_ptr<TMenuItem> item);
    // A new item with this caption and click handler, appended.
    TMenuItem* Add(std::wstring caption, TNotifyEvent onClick = {});
    // Takes the item out of the tree and hands it back.
    std::unique_ptr<TMenuItem> Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();

    bool IsLine() const { return Caption == L"-"; }
    // Runs OnClick when the item is enabled.
    virtual void Click();

private:
    TMenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> m_items;
};

// The accelerator character of a caption (the one after a single "&"),
// lower case; 0 when there is none. "&&" is a literal ampersand.
wchar_t MenuAccelerator(std::wstring_view caption);
// The caption as shown: every "&" that marks an accelerator removed, "&&" as "&".
std::wstring StripAccelerator(std::wstring_view caption);

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);

    TMenuItem& Items() { return *m_items; }
    const TMenuItem& Items() const { return *m_items; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    // The component that opened the menu last, if it said.
    TComponent* PopupComponent = nullptr;

    // Opens the menu at the screen position and waits until it closes; the
    // chosen item's Click runs. Raises OnPopup first.
    virtual void Popup(int x, int y);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TMenuItem> m_items;
    TImageList* m_images = nullptr;
};

// The platform menu of a tree, for the native popup; each chosen command is
// the index of its item in `commands` plus 1.
HMENU BuildNativeMenu(const TMenuItem& root, std::vector<TMenuItem*>& commands);

} // namespace ventro

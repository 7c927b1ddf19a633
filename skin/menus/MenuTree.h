// The framework's menu item tree and image list as the skinned menus see
// them: the visible sub-items of an item as layout entries, clicking an
// item, the first default item, and list images drawn into pixel buffers.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/Events.h"
#include "platform/Handles.h"
#include "platform/ImageList.h"
#include "platform/Menus.h"
#include "skin/menus/MenuEngine.h"

namespace ventro {

// The visible sub-items of parent, in order.
std::vector<MenuEntry> VisibleSubItems(TMenuItem& parent);
// Runs the item's OnClick.
void ClickMenuItem(TMenuItem& item);
// The first sub-item (lowest position) marked default, or null.
TMenuItem* FirstDefaultItem(TMenuItem& parent);

int ImageCount(const TImageList& list);
// A copy of the list's image as an icon (the tray shows icons).
IconHandle ImageIcon(const TImageList& list, int index);

// A menu's image list for the item views.
class ImageListSource : public MenuImageSource {
public:
    explicit ImageListSource(TImageList* list) : m_list(list) { }
    TImageList* List() const { return m_list; }
    bool IsList(const TComponent* c) const { return c && c == m_list; }
    Extent ImageSize() const override;
    int Count() const override;
    void Draw(PixelView target, int index, int32_t x, int32_t y, bool enabled) const override;

private:
    TImageList* m_list;
};

} // namespace ventro

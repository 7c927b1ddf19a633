// The framework's menu item tree and image list for the skinned menus.
#include "skin/menus/MenuTree.h"

#include "skin/gfx/DibSection.h"
#include "skin/gfx/PixelOps.h"

namespace ventro {

std::vector<MenuEntry> VisibleSubItems(TMenuItem& parent)
{
    std::vector<MenuEntry> out;
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item || !item->Visible)
            continue;
        MenuEntry e;
        e.Ref = item;
        e.Info.Name = item->Name();
        e.Info.Caption = item->Caption;
        e.Info.ShortCut = item->ShortCut;
        e.Info.Enabled = item->Enabled;
        e.Info.Checked = item->Checked;
        e.Info.RadioItem = item->RadioItem;
        e.Info.ImageIndex = item->ImageIndex;
        for (int j = 0; j < item->Count() && !e.Info.HasSubItems; ++j)
            e.Info.HasSubItems = item->Items(j) && item->Items(j)->Visible;
        out.push_back(std::move(e));
    }
    return out;
}

void ClickMenuItem(TMenuItem& item) { item.Click(); }

TMenuItem* FirstDefaultItem(TMenuItem& parent)
{
    for (int i = 0; i < parent.Count(); ++i)
        if (TMenuItem* item = parent.Items(i); item && item->Default)
            return item;
    return nullptr;
}

int ImageCount(const TImageList& list) { return list.Count(); }

IconHandle ImageIcon(const TImageList& list, int index)
{
    HICON icon = list.Icon(index);
    return IconHandle(icon ? CopyIcon(icon) : nullptr);
}

Extent ImageListSource::ImageSize() const
{
    return m_list ? Extent { m_list->Width(), m_list->Height() } : Extent {};
}

int ImageListSource::Count() const { return m_list ? m_list->Count() : 0; }

void ImageListSource::Draw(PixelView target, int index, int32_t x, int32_t y, bool enabled) const
{
    if (!m_list || index < 0 || index >= m_list->Count())
        return;
    const Extent size = ImageSize();
    const Rect area = IntersectRects(Rect { x, y, x + size.Width, y + size.Height }, ViewBounds(target));
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    // The list draws on a device: through a section holding what is under the image.
    TlxFBitmap scratch(size.Width, size.Height);
    CopyPixels(scratch.View(), area.Left - x, area.Top - y, target, area);
    m_list->Draw(scratch.DC(), 0, 0, index, enabled);
    GdiFlush();
    CopyPixels(target, area.Left, area.Top, scratch.View(), Rect { area.Left - x, area.Top - y, area.Right - x, area.Bottom - y });
}

} // namespace ventro

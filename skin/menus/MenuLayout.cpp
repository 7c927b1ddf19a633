// The arithmetic of skinned popup menus.
#include "skin/menus/MenuLayout.h"

#include <algorithm>
#include <cwctype>

namespace ventro {

bool IsDividerCaption(std::wstring_view caption) { return caption == L"-"; }

bool IsHeaderItem(std::wstring_view caption, bool enabled)
{
    return !enabled && caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-';
}

std::wstring HeaderText(std::wstring_view caption)
{
    if (caption.size() < 2)
        return {};
    return std::wstring(caption.substr(1, caption.size() - 2));
}

bool IsSelectable(const MenuItemInfo& item) { return item.Enabled && !IsDividerCaption(item.Caption); }

std::optional<wchar_t> AcceleratorOf(std::wstring_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i; // "&&" is a plain ampersand
            continue;
        }
        return caption[i + 1];
    }
    return std::nullopt;
}

int FindAcceleratorItem(const std::vector<MenuItemInfo>& items, wchar_t key)
{
    const wint_t wanted = std::towupper(wint_t(key));
    for (size_t i = 0; i < items.size(); ++i) {
        if (!IsSelectable(items[i]))
            continue;
        std::optional<wchar_t> accel = AcceleratorOf(items[i].Caption);
        if (accel && std::towupper(wint_t(*accel)) == wanted)
            return int(i);
    }
    return -1;
}

int32_t GlyphWidth(const MenuLook& look) { return look.ImageWidth >= 0 ? look.ImageWidth + 5 : 19; }

int32_t ItemHeight(const MenuLook& look, const MenuItemInfo& item)
{
    const bool divider = IsDividerCaption(item.Caption);
    if (look.SkinnedItems())
        return divider ? look.Item->DividerRect.Height() : look.Item->SkinRect.Height();
    return divider ? 4 : look.DefaultItemHeight;
}

int32_t ItemWidth(const MenuItemInfo& item, const TextMeasure& measure)
{
    std::wstring text = item.Caption;
    if (!item.ShortCut.empty())
        text += L"  " + item.ShortCut;
    const int64_t width = measure ? measure(text) : 0;
    return int32_t(std::clamp<int64_t>(width, 0, INT32_MAX / 4)) + 2;
}

namespace {

// The window's width and height beyond its items rectangle.
int32_t FrameExtraWidth(const MenuLook& look)
{
    return look.Skinned() ? look.PictureWidth - look.Popup->ItemsRect.Width() : 4;
}
int32_t FrameExtraHeight(const MenuLook& look)
{
    if (look.Skinned())
        return look.PictureHeight - look.Popup->ItemsRect.Height();
    return look.Merged ? 6 : 4;
}

} // namespace

PopupSize ComputePopupSize(const MenuLook& look, const std::vector<MenuItemInfo>& items, const TextMeasure& measure,
    int32_t workAreaHeight)
{
    PopupSize size;
    int32_t widest = 0;
    int64_t sum = 0;
    for (const MenuItemInfo& item : items) {
        widest = std::max(widest, ItemWidth(item, measure));
        sum += ItemHeight(look, item);
    }
    const int32_t w = widest + GlyphWidth(look) + 19;
    if (look.SkinnedItems()) {
        const TlxDataSkinMenuItem& r = *look.Item;
        size.Width = w + r.TextRect.Left + (r.SkinRect.Width() - r.TextRect.Right) + FrameExtraWidth(look);
    } else {
        // The items area of the default look is 6 pixels wider than the text
        // column; a popup frame without an item record keeps that.
        size.Width = w + 6 + FrameExtraWidth(look);
    }

    int64_t height;
    if (look.MaxItems > 0 && int64_t(items.size()) > look.MaxItems) {
        const int32_t itemHeight = look.SkinnedItems() ? look.Item->SkinRect.Height() : look.DefaultItemHeight;
        height = int64_t(itemHeight) * look.MaxItems + 2 * ScrollMarkerHeight + FrameExtraHeight(look);
        size.Scroll = size.FixedScroll = true;
    } else {
        height = sum + FrameExtraHeight(look);
    }
    if (height > workAreaHeight) {
        height = workAreaHeight;
        size.Scroll = true;
        size.FixedScroll = false;
    }
    size.Height = int32_t(std::clamp<int64_t>(height, 0, INT32_MAX / 4));
    return size;
}

PieceGeometry PopupFrameGeometry(const MenuLook& look)
{
    if (!look.Skinned())
        return {};
    const TlxDataSkinPopupWindow& p = *look.Popup;
    return PieceGeometry { p.LeftTopPoint, p.RightTopPoint, p.LeftBottomPoint, p.RightBottomPoint, p.ItemsRect };
}

PieceGeometry MovedPopupGeometry(const MenuLook& look, int32_t w, int32_t h)
{
    if (!look.Skinned())
        return PieceGeometry { {}, {}, {}, {}, Rect { 2, 2, w - 2, h - 2 } };
    return MovePieceGeometry(PopupFrameGeometry(look), w - look.PictureWidth, h - look.PictureHeight);
}

Rect MovedItemsRect(const MenuLook& look, int32_t w, int32_t h) { return MovedPopupGeometry(look, w, h).C; }

ScrollMarkers ScrollMarkerRects(const MenuLook& look, Rect itemsRect, int32_t w, int32_t h)
{
    if (!look.Skinned())
        return { Rect { 3, 3, w - 3, 13 }, Rect { 3, h - 10, w - 3, h - 3 } };
    return { Rect { itemsRect.Left, itemsRect.Top, itemsRect.Right, itemsRect.Top + ScrollMarkerHeight },
        Rect { itemsRect.Left, itemsRect.Bottom - ScrollMarkerHeight, itemsRect.Right, itemsRect.Bottom } };
}

ItemLayout LayoutItems(const std::vector<int32_t>& heights, Rect itemsRect, bool scroll, int32_t start)
{
    ItemLayout layout;
    layout.Items.resize(heights.size());
    const int32_t margin = scroll ? ScrollMarkerHeight : 0;
    int64_t y = int64_t(itemsRect.Top) + margin;
    const int64_t limit = int64_t(itemsRect.Bottom) - margin;
    layout.LastVisibleBottom = int32_t(y);
    start = std::clamp<int32_t>(start, 0, int32_t(heights.size()));
    for (size_t i = size_t(start); i < heights.size(); ++i) {
        const int64_t bottom = y + heights[i];
        layout.Items[i].Bounds = Rect { itemsRect.Left, int32_t(y), itemsRect.Right, int32_t(bottom) };
        if (bottom > limit)
            break;
        layout.Items[i].Visible = true;
        ++layout.VisibleCount;
        layout.LastVisibleBottom = int32_t(bottom);
        y = bottom;
    }
    return layout;
}

namespace {

int64_t ScrollRoom(Rect itemsRect) { return int64_t(itemsRect.Height()) - 2 * ScrollMarkerHeight; }

// The smallest start from which items start..last all fit.
int32_t FirstStartFitting(const std::vector<int32_t>& heights, Rect itemsRect, int32_t last)
{
    const int64_t room = ScrollRoom(itemsRect);
    int64_t used = 0;
    int32_t start = last + 1;
    while (start > 0 && used + heights[size_t(start - 1)] <= room) {
        used += heights[size_t(start - 1)];
        --start;
    }
    // An item taller than the room is shown alone, from its own top.
    return std::min(start, last);
}

} // namespace

int32_t LastScrollStart(const std::vector<int32_t>& heights, Rect itemsRect)
{
    if (heights.empty())
        return 0;
    return FirstStartFitting(heights, itemsRect, int32_t(heights.size()) - 1);
}

int32_t StartToShow(const std::vector<int32_t>& heights, Rect itemsRect, int32_t start, int32_t index)
{
    if (index < 0 || index >= int32_t(heights.size()))
        return start;
    if (index <= start)
        return index;
    return std::max(start, FirstStartFitting(heights, itemsRect, index));
}

Point PlacePopup(const PlacementInput& in)
{
    const Rect& a = in.Anchor;
    const Rect& wa = in.WorkArea;
    const int32_t w = in.Width, h = in.Height;
    const bool upperHalf = a.Top < wa.Top + wa.Height() / 2;
    bool pushed = false;
    int32_t y;
    if (in.Scroll && !in.FixedScroll) {
        y = wa.Top;
    } else if (in.Submenu) {
        if (a.Top + h - in.ItemsTop <= wa.Bottom)
            y = a.Top - in.ItemsTop;
        else if (upperHalf)
            y = wa.Bottom - h;
        else
            y = std::max(wa.Top, a.Bottom + in.ItemsTop - h);
    } else if (in.PopupUp) {
        if (a.Top - h >= wa.Top) {
            y = a.Top - h;
        } else if (upperHalf) {
            if (a.Bottom + h <= wa.Bottom) {
                y = a.Bottom;
            } else {
                y = wa.Bottom - h;
                pushed = true;
            }
        } else {
            y = wa.Top;
            pushed = true;
        }
    } else {
        if (a.Bottom + h <= wa.Bottom) {
            y = a.Bottom;
        } else if (upperHalf) {
            y = wa.Bottom - h;
            pushed = true;
        } else if (a.Top - h >= wa.Top) {
            y = a.Top - h;
        } else {
            y = wa.Top;
            pushed = true;
        }
    }

    int32_t x;
    if (!in.Submenu && (!in.Scroll || in.FixedScroll) && !pushed) {
        x = a.Left;
        if (x + w > wa.Right)
            x = wa.Right - w;
        else if (x < wa.Left)
            x = wa.Left;
    } else if (a.Right + w + 1 <= wa.Right) {
        x = a.Right + 1;
    } else {
        x = a.Left - w - 1;
    }
    return Point { x, y };
}

int NextSelectableItem(const std::vector<MenuItemInfo>& items, int active, bool down)
{
    const int n = int(items.size());
    if (n == 0)
        return -1;
    // Without an active item the search starts at the first (down) or the last (up) item.
    int i = active < 0 || active >= n ? (down ? 0 : n - 1) : (down ? (active + 1) % n : (active - 1 + n) % n);
    for (int step = 0; step < n; ++step) {
        if (IsSelectable(items[size_t(i)]))
            return i;
        i = down ? (i + 1) % n : (i - 1 + n) % n;
    }
    return active >= 0 && active < n ? active : -1;
}

int FirstSelectableItem(const std::vector<MenuItemInfo>& items)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (IsSelectable(items[i]))
            return int(i);
    return -1;
}

} // namespace ventro

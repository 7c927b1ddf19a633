// The arithmetic of skinned popup menus: item kinds, heights and widths, the
// window size from the popup frame or the default look, the item layout with
// its scroll markers, placement against the work area, keyboard navigation
// and accelerator letters. Pure functions over plain values.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SkinWindows.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/gfx/TextFit.h"

namespace ventro {

// What the layout needs to know of one item shown in a popup window (the
// window shows only the menu's visible items).
struct MenuItemInfo {
    std::wstring Name;
    std::wstring Caption;   // "&" marks the accelerator letter, "&&" is a plain "&"
    std::wstring ShortCut;  // the shortcut's text, empty for none
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    bool HasSubItems = false;
    int ImageIndex = -1;    // into the menu's image list; drawn only when valid
};

// A caption of exactly "-".
bool IsDividerCaption(std::wstring_view caption);
// A disabled item whose caption starts and ends with "-" (and is not a divider).
bool IsHeaderItem(std::wstring_view caption, bool enabled);
// The word of a header: the caption without its first and last character.
std::wstring HeaderText(std::wstring_view caption);
// An item the pointer or the keyboard may highlight: enabled and not a divider.
bool IsSelectable(const MenuItemInfo& item);

// The letter after a single "&", or nothing.
std::optional<wchar_t> AcceleratorOf(std::wstring_view caption);
// The first selectable item whose accelerator is key, compared without
// letter case; -1 when none.
int FindAcceleratorItem(const std::vector<MenuItemInfo>& items, wchar_t key);

// The look of one popup window: the skin's popup frame and menu item
// records when it has them, else the default look.
struct MenuLook {
    const TlxDataSkinPopupWindow* Popup = nullptr; // null: the default look
    int32_t PictureWidth = 0;                      // the popup frame's window picture
    int32_t PictureHeight = 0;
    const TlxDataSkinMenuItem* Item = nullptr;     // null: items in the default look
    int32_t DefaultItemHeight = 20;
    int32_t ImageWidth = -1;                       // the image list's image width, -1 without a list
    int32_t MaxItems = 0;                          // item limit per window, 0 none
    bool Merged = false;                           // two roots shown one after the other
    bool Skinned() const { return Popup != nullptr; }
    bool SkinnedItems() const { return Popup != nullptr && Item != nullptr; }
};

// Image list width + 5, or 19 without a list.
int32_t GlyphWidth(const MenuLook& look);
int32_t ItemHeight(const MenuLook& look, const MenuItemInfo& item);
// The caption (with the shortcut after two spaces) as measured, plus 2.
int32_t ItemWidth(const MenuItemInfo& item, const TextMeasure& measure);

constexpr int32_t ScrollMarkerHeight = 10;

struct PopupSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool Scroll = false;
    bool FixedScroll = false; // scrolling because of the item limit, not the work area
};
PopupSize ComputePopupSize(const MenuLook& look, const std::vector<MenuItemInfo>& items, const TextMeasure& measure,
    int32_t workAreaHeight);

// The popup frame's points and items rectangle moved to a w x h window; the
// default look's items rectangle is (2, 2, w - 2, h - 2).
PieceGeometry PopupFrameGeometry(const MenuLook& look);
PieceGeometry MovedPopupGeometry(const MenuLook& look, int32_t w, int32_t h);
Rect MovedItemsRect(const MenuLook& look, int32_t w, int32_t h);

struct ScrollMarkers {
    Rect Up;
    Rect Down;
};
ScrollMarkers ScrollMarkerRects(const MenuLook& look, Rect itemsRect, int32_t w, int32_t h);

struct ItemPlace {
    Rect Bounds;
    bool Visible = false;
};
struct ItemLayout {
    std::vector<ItemPlace> Items;
    int32_t VisibleCount = 0;
    int32_t LastVisibleBottom = 0; // bottom of the last visible item, or the layout's first y
};
// Lays items of the given heights out from start downward inside itemsRect,
// leaving room for the markers while scrolling.
ItemLayout LayoutItems(const std::vector<int32_t>& heights, Rect itemsRect, bool scroll, int32_t start);

// The first start index at which the last item is visible.
int32_t LastScrollStart(const std::vector<int32_t>& heights, Rect itemsRect);
// The start index that shows item `index`, moving the current start as little as possible.
int32_t StartToShow(const std::vector<int32_t>& heights, Rect itemsRect, int32_t start, int32_t index);

struct PlacementInput {
    Rect Anchor;        // screen rectangle: a point, a button, or the parent item
    Rect WorkArea;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t ItemsTop = 0; // the moved items rectangle's top
    bool PopupUp = false;
    bool Submenu = false;
    bool Scroll = false;
    bool FixedScroll = false;
};
Point PlacePopup(const PlacementInput& in);

// The next selectable item after (down) or before (up) active, wrapping at
// the ends; active when nothing else is selectable, or -1 when nothing is.
int NextSelectableItem(const std::vector<MenuItemInfo>& items, int active, bool down);
// The first selectable item, or -1.
int FirstSelectableItem(const std::vector<MenuItemInfo>& items);

} // namespace ventro

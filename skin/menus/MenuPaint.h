// Drawing skinned popup menus into pixel buffers: the item views in the
// default and the skinned look (states, morphing and frame animation), the
// window background and the scroll markers. Text and list images are drawn
// through small interfaces that the platform side implements.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/ColorResolver.h"
#include "base/PixelBuffer.h"
#include "skin/data/SkinContent.h"
#include "skin/gfx/TextPainter.h"
#include "skin/menus/HintLayout.h"
#include "skin/menus/MenuLayout.h"

namespace ventro {

class MenuImageSource {
public:
    virtual ~MenuImageSource() = default;
    virtual Extent ImageSize() const = 0;
    virtual int Count() const = 0;
    virtual void Draw(PixelView target, int index, int32_t x, int32_t y, bool enabled) const = 0;
};

constexpr Color ClWindow = SystemColorFlag | 0x05;
constexpr Color ClBtnHighlight = SystemColorFlag | 0x14;
constexpr Color ClInfoBk = SystemColorFlag | 0x18;
constexpr Color ClInfoText = SystemColorFlag | 0x17;

// What one popup window hands its item views.
struct MenuPaintContext {
    MenuLook Look;
    const TlxSkinContent* Skin = nullptr;
    TextFont Font;                           // the window's item font
    ITextPainter* Text = nullptr;
    const IColorResolver* Colors = nullptr; // none: system colours are not resolved
    const MenuImageSource* Images = nullptr;
    PixelView PaintBuffer;                   // the background with its items area, for "inactivetransparent"
    bool RightToLeft = false;
    bool Effects = false;                    // the skin is loaded with skin effects enabled
};

// The picture of the "menuitem" record's "activepictureindex", or an empty view.
PixelView MenuItemPicture(const TlxSkinContent* skin, const TlxDataSkinMenuItem* record);
// The window's item record for a skin: the first menu item record, only
// when it has a usable picture (else the items use the default look).
const TlxDataSkinMenuItem* FindMenuItemRecord(const TlxSkinContent* skin);
// The popup frame record when the skin gives popup windows a picture.
const TlxDataSkinPopupWindow* FindPopupRecord(const TlxSkinContent* skin);
PixelView PictureAt(const TlxSkinContent* skin, int32_t index);

// The highlight morph moves in five steps of 0.2.
constexpr int MorphSteps = 5;

struct MenuItemViewState {
    bool Active = false;
    bool Down = false;      // its submenu is open
    bool Visible = true;
    bool WaitCommand = false;
    int MorphStep = 0;      // coefficient = MorphStep / MorphSteps
    int Frame = 0;          // 0 none, 1..framecount a frame, framecount + 1 done
    bool Highlighted() const { return Active || Down; }
    double MorphCoefficient() const { return double(MorphStep) / MorphSteps; }
};

// Whether morphing or frame animation is in effect for a window's items.
bool MorphInEffect(const MenuPaintContext& ctx);
bool AnimationInEffect(const MenuPaintContext& ctx);

// State changes of an item view and the timer's step; Step returns whether
// the item still changes (and was changed, so it needs drawing).
void ActivateItemState(MenuItemViewState& s, const MenuPaintContext& ctx);
void DeactivateItemState(MenuItemViewState& s, const MenuPaintContext& ctx);
bool StepItemState(MenuItemViewState& s, const MenuPaintContext& ctx);
bool ItemStateMoving(const MenuItemViewState& s, const MenuPaintContext& ctx);

// Draws one item into out, resized to the item's bounds. bounds places it in
// the window (for the paint buffer under transparent items).
void PaintMenuItem(const MenuPaintContext& ctx, const MenuItemInfo& item, const MenuItemViewState& state,
    Rect bounds, PixelBuffer& out);

// The window background at w x h: the popup frame (its items area only when
// drawClient) or the default look's columns and frames.
void PaintPopupBackground(const MenuPaintContext& ctx, int32_t w, int32_t h, bool drawClient, PixelBuffer& out);

// The scroll markers and the gap under the last visible item; scrollCode 1
// while scrolling up, 2 down.
void PaintScrollMarkers(const MenuPaintContext& ctx, PixelBuffer& target, const ScrollMarkers& markers,
    int scrollCode, int32_t lastVisibleBottom, Rect itemsRect);

// The filled 6 x 6 circle of a checked radio item, at (x, y).
void DrawRadioDot(PixelView target, int32_t x, int32_t y, Color color);
// The check mark whose left tip is at (x, y + 5).
void DrawCheckMark(PixelView target, int32_t x, int32_t y, Color color);
// The right-pointing submenu arrow: four vertical lines from (x, y).
void DrawSubmenuArrow(PixelView target, int32_t x, int32_t y, Color color);

} // namespace ventro

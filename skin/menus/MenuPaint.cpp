// Drawing skinned popup menus into pixel buffers.
#include "skin/menus/MenuPaint.h"

#include <algorithm>

#include "skin/gfx/Glyphs.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {

PixelView PictureAt(const TlxSkinContent* skin, int32_t index)
{
    if (!skin || index < 0 || size_t(index) >= skin->ActivePictures.size())
        return {};
    return skin->ActivePictures[size_t(index)].Pixels.View();
}

PixelView MenuItemPicture(const TlxSkinContent* skin, const TlxDataSkinMenuItem* record)
{
    return record ? PictureAt(skin, record->ActivePictureIndex) : PixelView {};
}

const TlxDataSkinMenuItem* FindMenuItemRecord(const TlxSkinContent* skin)
{
    if (!skin || skin->Empty)
        return nullptr;
    for (const auto& object : skin->ObjectList) {
        if (auto* record = dynamic_cast<const TlxDataSkinMenuItem*>(object.get()))
            return MenuItemPicture(skin, record).IsEmpty() ? nullptr : record;
    }
    return nullptr;
}

const TlxDataSkinPopupWindow* FindPopupRecord(const TlxSkinContent* skin)
{
    if (!skin || skin->Empty || PictureAt(skin, skin->PopupWindow.WindowPictureIndex).IsEmpty())
        return nullptr;
    return &skin->PopupWindow;
}

bool MorphInEffect(const MenuPaintContext& ctx)
{
    return ctx.Effects && ctx.Look.SkinnedItems() && ctx.Look.Item->Morphing;
}

bool AnimationInEffect(const MenuPaintContext& ctx)
{
    return ctx.Effects && ctx.Look.SkinnedItems() && !ctx.Look.Item->AnimateSkinRect.IsZero()
        && ctx.Look.Item->FrameCount > 0;
}

void ActivateItemState(MenuItemViewState& s, const MenuPaintContext&)
{
    s.Active = true;
    s.Frame = 0;
}

void DeactivateItemState(MenuItemViewState& s, const MenuPaintContext& ctx)
{
    s.Active = false;
    s.WaitCommand = false;
    if (AnimationInEffect(ctx) && !s.Down)
        s.Frame = ctx.Look.Item->FrameCount + 1;
}

bool ItemStateMoving(const MenuItemViewState& s, const MenuPaintContext& ctx)
{
    if (MorphInEffect(ctx) && (s.Highlighted() ? s.MorphStep < MorphSteps : s.MorphStep > 0))
        return true;
    if (AnimationInEffect(ctx)) {
        const int count = ctx.Look.Item->FrameCount;
        if (s.Highlighted() ? s.Frame <= count : s.Frame > 0)
            return true;
    }
    return false;
}

bool StepItemState(MenuItemViewState& s, const MenuPaintContext& ctx)
{
    if (!ItemStateMoving(s, ctx))
        return false;
    if (MorphInEffect(ctx))
        s.MorphStep = std::clamp(s.MorphStep + (s.Highlighted() ? 1 : -1), 0, MorphSteps);
    if (AnimationInEffect(ctx)) {
        const int count = ctx.Look.Item->FrameCount;
        if (s.Highlighted())
            s.Frame = std::min(s.Frame + 1, count + 1);
        else if (ctx.Look.Item->InactiveAnimation)
            s.Frame = std::clamp(s.Frame - 1, 0, count + 1);
        else
            s.Frame = 0;
    }
    return true;
}

void DrawRadioDot(PixelView target, int32_t x, int32_t y, Color color)
{
    // A disc of diameter 6: rows of 2, 4, 6, 6, 4 and 2 pixels.
    static constexpr int32_t inset[6] = { 2, 1, 0, 0, 1, 2 };
    for (int32_t row = 0; row < 6; ++row)
        FillPixels(target, Rect { x + inset[row], y + row, x + 6 - inset[row], y + row + 1 }, color);
}

void DrawCheckMark(PixelView target, int32_t x, int32_t y, Color color)
{
    Glyph g;
    for (int32_t i = 0; i <= 2; ++i) {
        g.push_back({ StrokeKind::Line, { x, y + 5 - i }, { x + 2, y + 7 - i } });
        g.push_back({ StrokeKind::Line, { x + 2, y + 7 - i }, { x + 7, y + 2 - i } });
    }
    RasterizeGlyph(target, g, color);
}

void DrawSubmenuArrow(PixelView target, int32_t x, int32_t y, Color color)
{
    Glyph g;
    for (int32_t i = 0; i <= 3; ++i)
        g.push_back({ StrokeKind::Line, { x + i, y + i }, { x + i, y + 7 - i } });
    RasterizeGlyph(target, g, color);
}

namespace {

Color Resolved(const MenuPaintContext& ctx, Color c) { return ctx.Colors ? ctx.Colors->Resolve(c) : c & 0x00FFFFFFu; }

uint32_t ReadingFlags(const MenuPaintContext& ctx) { return ctx.RightToLeft ? uint32_t(TextRtlReading) : 0u; }

// The vector glyph of the skin form's own system menu items, by item name.
bool SystemItemGlyph(std::wstring_view name, int32_t x, int32_t y, Glyph& out)
{
    if (name == L"LSF_CLOSE" || name == L"TRAY_LSF_CLOSE")
        out = CloseGlyph(x, y);
    else if (name == L"LSF_MINITEM")
        out = MinimizeGlyph(x, y);
    else if (name == L"LSF_MAXITEM")
        out = MaximizeGlyph(x, y);
    else if (name == L"LSF_RESTORE" || name == L"TRAY_LSF_RESTORE")
        out = RestoreGlyph(x, y);
    else if (name == L"LSF_ROLLUP")
        out = RollUpGlyph(x, y);
    else if (name == L"LSF_MINTOTRAY")
        out = TrayGlyph(x, y);
    else
        return false;
    return true;
}

bool HasListImage(const MenuPaintContext& ctx, const MenuItemInfo& item)
{
    return ctx.Images && item.ImageIndex >= 0 && item.ImageIndex < ctx.Images->Count();
}

void FrameRect(PixelView target, Rect r, Color color)
{
    RasterizeGlyph(target, Glyph { { StrokeKind::Frame, { r.Left, r.Top }, { r.Right, r.Bottom } } }, color);
}

void DrawCaptionAndShortcut(const MenuPaintContext& ctx, PixelView target, const MenuItemInfo& item, Rect r, Color color)
{
    if (!ctx.Text)
        return;
    const uint32_t flags = TextSingleLine | TextVCenter | ReadingFlags(ctx);
    ctx.Text->Draw(target, ctx.Font, item.Caption, r, color, flags | TextLeft);
    if (!item.ShortCut.empty())
        ctx.Text->Draw(target, ctx.Font, item.ShortCut, r, color, flags | TextRight);
}

void PaintDefaultItem(const MenuPaintContext& ctx, const MenuItemInfo& item, bool highlighted, PixelView out)
{
    const int32_t w = out.Width(), h = out.Height();
    const int32_t glyphColumn = GlyphWidth(ctx.Look);
    const bool divider = IsDividerCaption(item.Caption);
    Color text = Resolved(ctx, ClWindowText);
    if (highlighted && !divider) {
        FillPixels(out, Rect { 0, 0, w, h }, Rgb(182, 189, 210));
        FrameRect(out, Rect { 0, 0, w, h }, Rgb(0, 0, 128));
    } else {
        FillPixels(out, Rect { 0, 0, glyphColumn, h }, Resolved(ctx, ClBtnFace));
        FillPixels(out, Rect { glyphColumn, 0, w, h }, Resolved(ctx, ClWindow));
        if (!item.Enabled)
            text = Resolved(ctx, ClBtnShadow);
    }
    if (divider) {
        FillPixels(out, Rect { glyphColumn, h / 2, w, h / 2 + 1 }, Resolved(ctx, ClBtnShadow));
        return;
    }
    if (IsHeaderItem(item.Caption, item.Enabled)) {
        FillPixels(out, Rect { 0, 0, w, h }, Resolved(ctx, ClBtnShadow));
        if (ctx.Text)
            ctx.Text->Draw(out, ctx.Font, HeaderText(item.Caption), Rect { 0, 0, w, h }, Resolved(ctx, ClBtnHighlight),
                TextCenter | TextVCenter | TextSingleLine | ReadingFlags(ctx));
        return;
    }
    DrawCaptionAndShortcut(ctx, out, item, Rect { 2 + glyphColumn, 2, w - 21, h - 2 }, text);
    const int32_t middle = h / 2;
    if (item.HasSubItems)
        DrawSubmenuArrow(out, w - 9, middle - 4, text);
    if (HasListImage(ctx, item)) {
        const Extent size = ctx.Images->ImageSize();
        const int32_t y = (h - size.Height) / 2;
        ctx.Images->Draw(out, item.ImageIndex, 4, y, item.Enabled);
        if (item.Checked)
            FrameRect(out, Rect { 3, y - 1, 4 + size.Width + 1, y + size.Height + 1 }, text);
        return;
    }
    Glyph glyph;
    if (SystemItemGlyph(item.Name, 4, middle - 4, glyph))
        RasterizeGlyph(out, glyph, text);
    else if (item.Checked && item.RadioItem)
        DrawRadioDot(out, 5, middle - 4, text);
    else if (item.Checked)
        DrawCheckMark(out, 5, middle - 4, text);
}

// A picture part drawn with its bottom-left colour transparent, centred in
// box; clampToBox keeps it from starting left of or above the box.
void DrawPart(PixelView out, PixelView picture, Rect part, Rect box, bool clampToBox)
{
    const PixelView piece = SubView(picture, part);
    if (piece.IsEmpty() || part.Width() != piece.Width() || part.Height() != piece.Height())
        return;
    int32_t x = box.Left + (box.Width() - part.Width()) / 2;
    int32_t y = box.Top + (box.Height() - part.Height()) / 2;
    if (clampToBox) {
        x = std::max(x, box.Left);
        y = std::max(y, box.Top);
    }
    CopyPixelsTransparent(out, x, y, piece, piece.PixelAt(0, piece.Height() - 1));
}

Rect FrameCell(const TlxDataSkinMenuItem& r, int frame)
{
    const Rect a = r.AnimateSkinRect;
    const int32_t n = r.FrameCount;
    if (n <= 0 || frame < 1 || frame > n)
        return {};
    if (a.Height() > r.SkinRect.Height()) {
        const int32_t ch = a.Height() / n;
        return Rect { a.Left, a.Top + (frame - 1) * ch, a.Right, a.Top + frame * ch };
    }
    const int32_t cw = a.Width() / n;
    return Rect { a.Left + (frame - 1) * cw, a.Top, a.Left + frame * cw, a.Bottom };
}

void PaintSkinnedHeader(const MenuPaintContext& ctx, const MenuItemInfo& item, PixelView out)
{
    const int32_t w = out.Width(), h = out.Height();
    const TlxSkinContent* skin = ctx.Skin;
    int index = skin ? skin->FindControlIndex("menuheader") : -1;
    if (index < 0 && skin)
        index = skin->FindControlIndex("label");
    const auto* control = index >= 0 ? dynamic_cast<const TlxDataSkinCustomControl*>(skin->ControlList[size_t(index)].get())
                                     : nullptr;
    TextFont font = ctx.Font;
    Color color = ctx.Look.Item->UnenabledFontColor;
    if (const auto* label = dynamic_cast<const TlxDataSkinLabelControl*>(control)) {
        font = TextFont { label->FontName, label->FontHeight,
            label->FontStyle, ctx.Font.CharSet };
        color = label->FontColor;
    } else if (const auto* stdLabel = dynamic_cast<const TlxDataSkinStdLabelControl*>(control)) {
        font = TextFont { stdLabel->FontName, stdLabel->FontHeight,
            stdLabel->FontStyle, ctx.Font.CharSet };
        color = stdLabel->FontColor;
    }
    Rect textBox { 0, 0, w, h };
    const PixelView picture = control ? PictureAt(skin, control->PictureIndex) : PixelView {};
    if (control && !picture.IsEmpty() && !IsEmptyRect(control->SkinRect)) {
        const Rect r = control->SkinRect;
        PixelBuffer strip;
        BuildHorzStrip(control->LeftTopPoint.X, r.Width() - control->RightTopPoint.X, strip, picture, r, w,
            control->StretchEffect);
        const int32_t y = (h - strip.Height()) / 2;
        CopyPixels(out, 0, y, strip.View(), Rect { 0, 0, strip.Width(), strip.Height() });
        const Rect c = control->ClientRect;
        if (!c.IsZero())
            textBox = Rect { c.Left, y + c.Top, c.Right + (w - r.Width()), y + c.Bottom };
    }
    // A header control without a picture leaves the word centred on the item.
    if (ctx.Text)
        ctx.Text->Draw(out, font, HeaderText(item.Caption), textBox, Resolved(ctx, color),
            TextCenter | TextVCenter | TextSingleLine | ReadingFlags(ctx));
}

void PaintSkinnedItem(const MenuPaintContext& ctx, const MenuItemInfo& item, bool highlighted, int frame,
    Rect bounds, PixelView out)
{
    const TlxDataSkinMenuItem& r = *ctx.Look.Item;
    const PixelView picture = MenuItemPicture(ctx.Skin, &r);
    const int32_t w = out.Width();
    PixelBuffer strip;
    if (IsDividerCaption(item.Caption)) {
        BuildHorzStrip(r.DividerLeftOffset, r.DividerRightOffset, strip, picture, r.DividerRect, w,
            r.DividerStretchEffect);
        CopyPixels(out, 0, 0, strip.View(), Rect { 0, 0, strip.Width(), strip.Height() });
        return;
    }
    const Rect cell = FrameCell(r, frame);
    if (!cell.IsZero()) {
        // A frame is stretched with "stretcheffect"; a normal item's also with
        // "inactivestretcheffect", so that a skin which tiles its normal
        // picture still stretches its animation frames.
        BuildHorzStrip(r.ItemLeftOffset, r.ItemRightOffset, strip, picture, cell, w,
            r.StretchEffect || (!highlighted && r.InactiveStretchEffect));
    } else if (highlighted) {
        BuildHorzStrip(r.ItemLeftOffset, r.ItemRightOffset, strip, picture, r.ActiveSkinRect, w, r.StretchEffect);
    } else if (r.InactiveTransparent && !ctx.PaintBuffer.IsEmpty()) {
        CopyPixels(out, 0, 0, ctx.PaintBuffer, bounds);
    } else {
        BuildHorzStrip(r.ItemLeftOffset, r.ItemRightOffset, strip, picture, r.SkinRect, w, r.InactiveStretchEffect);
    }
    if (!strip.IsEmpty())
        CopyPixels(out, 0, 0, strip.View(), Rect { 0, 0, strip.Width(), strip.Height() });

    if (IsHeaderItem(item.Caption, item.Enabled)) {
        PaintSkinnedHeader(ctx, item, out);
        return;
    }
    const Rect t { r.TextRect.Left, r.TextRect.Top, r.TextRect.Right + (w - r.SkinRect.Width()), r.TextRect.Bottom };
    const bool imageRect = !r.ImageRect.IsZero();
    const int32_t imageColumn = imageRect ? 0 : (ctx.Images ? GlyphWidth(ctx.Look) : 16);
    Color color = highlighted ? r.ActiveFontColor : item.Enabled ? r.FontColor : r.UnenabledFontColor;
    DrawCaptionAndShortcut(ctx, out, item, Rect { t.Left + imageColumn, t.Top, t.Right - 16, t.Bottom },
        Resolved(ctx, color));

    const int32_t middle = t.Top + t.Height() / 2;
    if (item.HasSubItems) {
        const Rect part = highlighted ? r.ActiveArrowImageRect : r.ArrowImageRect;
        if (r.ArrowImageRect.IsZero())
            DrawSubmenuArrow(out, t.Right - 7, middle - 4, Resolved(ctx, color));
        else
            DrawPart(out, picture, part, Rect { t.Right - part.Width() - 5, t.Top, t.Right, t.Bottom }, true);
    }
    if (r.UseImageColor)
        color = highlighted ? r.ActiveImageColor : r.ImageColor;
    const Color markColor = Resolved(ctx, color);
    if (HasListImage(ctx, item)) {
        const Extent size = ctx.Images->ImageSize();
        int32_t x = t.Left + 2, y = t.Top + (t.Height() - size.Height) / 2;
        if (imageRect) {
            x = r.ImageRect.Left + (r.ImageRect.Width() - size.Width) / 2;
            y = r.ImageRect.Top + (r.ImageRect.Height() - size.Height) / 2;
        }
        ctx.Images->Draw(out, item.ImageIndex, x, y, item.Enabled);
        if (item.Checked)
            FrameRect(out, Rect { x - 1, y - 1, x + size.Width + 1, y + size.Height + 1 }, markColor);
        return;
    }
    const Point markAt = imageRect
        ? Point { r.ImageRect.Left + r.ImageRect.Width() / 2 - 4, r.ImageRect.Top + r.ImageRect.Height() / 2 - 4 }
        : Point { t.Left + 2, middle - 4 };
    Glyph glyph;
    if (SystemItemGlyph(item.Name, markAt.X, markAt.Y, glyph)) {
        RasterizeGlyph(out, glyph, markColor);
        return;
    }
    if (!item.Checked)
        return;
    const Rect markBox = imageRect ? r.ImageRect : Rect { t.Left + 2, t.Top, t.Left + 16, t.Bottom };
    const Rect part = item.RadioItem ? (highlighted ? r.ActiveRadioImageRect : r.RadioImageRect)
                                     : (highlighted ? r.ActiveCheckImageRect : r.CheckImageRect);
    if (!part.IsZero())
        DrawPart(out, picture, part, markBox, false);
    else if (item.RadioItem)
        DrawRadioDot(out, markAt.X, markAt.Y + 1, markColor);
    else
        DrawCheckMark(out, markAt.X, markAt.Y, markColor);
}

} // namespace

void PaintMenuItem(const MenuPaintContext& ctx, const MenuItemInfo& item, const MenuItemViewState& state,
    Rect bounds, PixelBuffer& out)
{
    out.Resize(bounds.Width(), bounds.Height());
    if (!state.Visible || out.IsEmpty())
        return;
    if (!ctx.Look.SkinnedItems()) {
        PaintDefaultItem(ctx, item, state.Highlighted(), out.View());
        return;
    }
    const bool highlighted = state.Highlighted();
    if (AnimationInEffect(ctx) && state.Frame >= 1 && state.Frame <= ctx.Look.Item->FrameCount) {
        PaintSkinnedItem(ctx, item, highlighted, state.Frame, bounds, out.View());
        return;
    }
    const bool morphing = MorphInEffect(ctx) && !IsDividerCaption(item.Caption)
        && (highlighted ? state.MorphStep < MorphSteps : state.MorphStep > 0);
    if (!morphing) {
        PaintSkinnedItem(ctx, item, highlighted, 0, bounds, out.View());
        return;
    }
    PixelBuffer lit(bounds.Width(), bounds.Height());
    PaintSkinnedItem(ctx, item, false, 0, bounds, out.View());
    PaintSkinnedItem(ctx, item, true, 0, bounds, lit.View());
    ApplyMorph(out.View(), lit.View(), MorphKind(ctx.Look.Item->MorphKind), state.MorphCoefficient());
}

void PaintPopupBackground(const MenuPaintContext& ctx, int32_t w, int32_t h, bool drawClient, PixelBuffer& out)
{
    out.Resize(w, h);
    if (out.IsEmpty())
        return;
    const MenuLook& look = ctx.Look;
    if (!look.Skinned()) {
        const int32_t column = ctx.Images ? GlyphWidth(look) + 2 : 21;
        FillPixels(out.View(), Rect { 0, 0, column, h }, Resolved(ctx, ClBtnFace));
        FillPixels(out.View(), Rect { column, 0, w, h }, Resolved(ctx, ClWindow));
        FrameRect(out.View(), Rect { 0, 0, w, h }, Resolved(ctx, ClBtnShadow));
        FrameRect(out.View(), Rect { 1, 1, w - 1, h - 1 }, Resolved(ctx, ClWindow));
        return;
    }
    const TlxDataSkinPopupWindow& p = *look.Popup;
    const PixelView picture = PictureAt(ctx.Skin, p.WindowPictureIndex);
    PieceStretch stretch;
    stretch.Left = p.LeftStretch;
    stretch.Top = p.TopStretch;
    stretch.Right = p.RightStretch;
    stretch.Bottom = p.BottomStretch;
    stretch.Client = p.StretchEffect;
    stretch.ClientType = ClientStretchType(p.StretchType);
    BuildNinePatch(PopupFrameGeometry(look), MovedPopupGeometry(look, w, h), out, picture,
        Rect { 0, 0, picture.Width(), picture.Height() }, w, h, drawClient, stretch, Resolved(ctx, ClWindow));
}

namespace {

// The marker background: the normal item strip of the "menuitem" object, as
// wide as the marker, or nothing when the skin has no such object.
void MarkerBackground(const MenuPaintContext& ctx, PixelView target, Rect box)
{
    if (box.Width() <= 0 || box.Height() <= 0 || !ctx.Skin)
        return;
    const TlxDataSkinMenuItem* record = ctx.Look.Item;
    if (record && record->InactiveTransparent && !ctx.PaintBuffer.IsEmpty()) {
        CopyPixels(target, box.Left, box.Top, ctx.PaintBuffer, box);
        return;
    }
    int index = ctx.Skin->FindObjectIndex("menuitem");
    if (index < 0)
        index = ctx.Skin->FindObjectIndex("MENUITEM");
    const auto* object = index >= 0 ? dynamic_cast<const TlxDataSkinMenuItem*>(ctx.Skin->ObjectList[size_t(index)].get())
                                     : nullptr;
    if (!object)
        return;
    PixelBuffer strip;
    BuildHorzStrip(object->ItemLeftOffset, object->ItemRightOffset, strip, MenuItemPicture(ctx.Skin, object),
        object->SkinRect, box.Width(), object->InactiveStretchEffect);
    if (strip.IsEmpty())
        return;
    for (int32_t y = box.Top; y < box.Bottom; y += strip.Height())
        CopyPixels(SubView(target, box), 0, y - box.Top, strip.View(), Rect { 0, 0, strip.Width(), box.Bottom - y });
}

} // namespace

void PaintScrollMarkers(const MenuPaintContext& ctx, PixelBuffer& target, const ScrollMarkers& markers,
    int scrollCode, int32_t lastVisibleBottom, Rect itemsRect)
{
    const PixelView view = target.View();
    Color normal, active;
    if (ctx.Look.Skinned()) {
        MarkerBackground(ctx, view, markers.Up);
        MarkerBackground(ctx, view, markers.Down);
        MarkerBackground(ctx, view,
            Rect { itemsRect.Left, lastVisibleBottom, itemsRect.Right, itemsRect.Bottom - ScrollMarkerHeight });
        normal = ctx.Look.Popup->ScrollMarkerColor;
        active = ctx.Look.Popup->ScrollMarkerActiveColor;
    } else {
        normal = ClBtnShadow;
        active = ClBtnText;
    }
    RasterizeGlyph(view, ArrowGlyph(markers.Up, 3), Resolved(ctx, scrollCode == 1 ? active : normal));
    RasterizeGlyph(view, ArrowGlyph(markers.Down, 4), Resolved(ctx, scrollCode == 2 ? active : normal));
}

} // namespace ventro

// Drawing the skinned hint window.
#include "skin/menus/HintPaint.h"

#include <algorithm>

#include "skin/gfx/Glyphs.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/SkinPieces.h"

namespace ventro {

void PaintHint(const HintPaintInput& in, PixelBuffer& out)
{
    const int32_t w = in.Geometry.Width, h = in.Geometry.Height;
    out.Resize(w, h);
    if (out.IsEmpty())
        return;
    auto resolve = [&](Color c) { return in.Colors ? in.Colors->Resolve(c) : c & 0x00FFFFFFu; };
    const bool skinned = in.Look.Skinned() && !in.Picture.IsEmpty();
    if (skinned) {
        const TlxDataSkinHintWindow& f = *in.Look.Frame;
        PieceStretch stretch;
        stretch.Left = f.LeftStretch;
        stretch.Top = f.TopStretch;
        stretch.Right = f.RightStretch;
        stretch.Bottom = f.BottomStretch;
        stretch.Client = f.StretchEffect;
        stretch.ClientType = ClientStretchType(f.StretchType);
        const PieceGeometry src { f.LeftTopPoint, f.RightTopPoint, f.LeftBottomPoint, f.RightBottomPoint, f.ClientRect };
        BuildNinePatch(src, in.Geometry.Moved, out, in.Picture, Rect { 0, 0, in.Picture.Width(), in.Picture.Height() },
            w, h, true, stretch, resolve(ClInfoBk));
    } else {
        FillPixels(out.View(), Rect { 0, 0, w, h }, resolve(ClInfoBk));
        RasterizeGlyph(out.View(), Glyph { { StrokeKind::Frame, { 0, 0 }, { w, h } } }, resolve(ClBtnShadow));
    }
    if (!in.Painter)
        return;
    const Color color = resolve(skinned ? in.Look.Frame->FontColor : ClInfoText);
    const HintPaintLayout layout = LayoutHintPaint(skinned ? in.Look : HintLook {}, in.Content, in.Geometry);
    if (in.Content.Rich && in.Content.HasTitle) {
        TextFont bold = in.Font;
        bold.Style.Bits |= TFontStyles::fsBold;
        // The title was measured in the hint's font; in bold it may run past
        // that width, up to the window's edge.
        const Rect title { layout.Title.Left, layout.Title.Top, std::max(layout.Title.Right, w), layout.Title.Bottom };
        in.Painter->Draw(out.View(), bold, in.Title, title, color, TextLeft | TextSingleLine);
    }
    if (in.Content.Rich && in.Content.HasImage && in.Images)
        in.Images->Draw(out.View(), in.ImageIndex, layout.Image.X, layout.Image.Y, true);
    in.Painter->Draw(out.View(), in.Font, in.Text, layout.Text, color, TextLeft | TextMultiLine);
}

} // namespace ventro

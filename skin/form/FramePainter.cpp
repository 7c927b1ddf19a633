// Composing a frame as four band pictures, and the client background.
#include "skin/form/FramePainter.h"

#include <algorithm>

#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/TextFit.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {
namespace {

FrameCanvas BandCanvas(PixelBuffer& band, Point at, ITextPainter* text) { return FrameCanvas { band.View(), at, text }; }

void SetPlaces(FrameImage& out, int32_t w, int32_t h)
{
    const int32_t topH = out.Bands.Top.Height(), bottomH = out.Bands.Bottom.Height();
    out.TopAt = Point { 0, 0 };
    out.LeftAt = Point { 0, topH };
    out.RightAt = Point { w - out.Bands.Right.Width(), topH };
    out.BottomAt = Point { 0, h - bottomH };
}

} // namespace

bool ComposeSkinFrame(TSkinFrame& frame, ITextPainter& text, FrameImage& out)
{
    out = FrameImage {};
    const TlxSkinContent* skin = frame.Skin();
    if (!skin || frame.Width() < frame.MinWidth() || frame.Height() < frame.MinHeight())
        return false;
    const FrameSkinInfo& info = frame.Info();
    const TFrameGeometry& g = frame.Geometry();
    const bool active = frame.Services().WindowState().Active;
    const Bitmap& source = active || !info.HasInactivePicture ? skin->Picture : skin->InActivePicture;
    BuildBorderBands(info.Piece, g.Moved(), PictureView(source), Rect { 0, 0, info.W0, info.H0 }, g.Width, g.Height,
        info.Stretch, out.Bands);
    SetPlaces(out, g.Width, g.Height);

    FrameCanvas top = BandCanvas(out.Bands.Top, out.TopAt, &text);
    FrameCanvas bottom = BandCanvas(out.Bands.Bottom, Point { 0, g.NewC.Bottom }, &text);
    for (auto& o : frame.Objects()) {
        if (!o->Visible)
            continue;
        o->Draw(o->ObjectRect.Bottom > g.NewC.Top ? bottom : top, false);
    }
    if (!active && info.AutoInactive) {
        NoiseGenerator noise(1);
        for (PixelBuffer* band : { &out.Bands.Top, &out.Bands.Left, &out.Bands.Right, &out.Bands.Bottom })
            ApplyInactiveEffect(band->View(), info.Effect, noise);
    }
    return true;
}

namespace {

// One-pixel 3D edge of r: the top row and left column in topLeft, the right
// column and bottom row in bottomRight (which owns the two shared corners).
void Frame3D(FrameCanvas& c, Rect r, Color topLeft, Color bottomRight)
{
    auto fill = [&](Rect x, Color color) { FillPixels(c.Pixels, c.ToLocal(x), color); };
    fill(Rect { r.Left, r.Top, r.Right - 1, r.Top + 1 }, topLeft);
    fill(Rect { r.Left, r.Top, r.Left + 1, r.Bottom - 1 }, topLeft);
    fill(Rect { r.Right - 1, r.Top, r.Right, r.Bottom }, bottomRight);
    fill(Rect { r.Left, r.Bottom - 1, r.Right, r.Bottom }, bottomRight);
}

} // namespace

void ComposeDefaultFrame(TSkinFrame& frame, ITextPainter& text, const DefaultCaptionFonts& fonts, FrameImage& out)
{
    out = FrameImage {};
    const IColorResolver& colors = frame.Services().Colors();
    const int32_t w = frame.Width(), h = frame.Height(), capH = frame.CaptionHeight();
    const Color face = colors.Resolve(ClBtnFace);
    const bool active = frame.Services().WindowState().Active;
    const Rect textArea = frame.CaptionLayout().TextArea;
    const int32_t b = DefaultBorderWidth;

    // The caption bitmap, drawn later at (b, b) into the top band.
    PixelBuffer caption(w - 2 * b, capH);
    PixelView cap = caption.View();
    FillPixels(cap, ViewBounds(cap), face);
    if (capH - 4 > 1) {
        for (int32_t row = 2; row <= capH - 4; ++row) {
            const Color c = colors.Resolve((row % 2 == 0) ? SystemColorFlag | 0x14 : ClBtnShadow);
            FillPixels(cap, Rect { textArea.Left + 2 - b, row, textArea.Right - 3 - b, row + 1 }, c);
        }
    }
    const std::wstring title = frame.Services().CaptionText();
    FrameCanvas captionCanvas { cap, Point { b, b }, &text };
    // An OnCaptionPaint handler paints the text area instead (window coordinates here).
    const bool painted = frame.Services().CaptionPaint(captionCanvas, textArea, active);
    if (!painted && !title.empty() && !cap.IsEmpty()) {
        const TextFont& font = active ? fonts.Active : fonts.Inactive;
        const uint32_t flags = TextCaptionLine | frame.Services().ReadingFlags();
        auto measure = [&](std::wstring_view s) { return text.Measure(font, s, flags); };
        const int32_t l = textArea.Left - b;
        const int64_t a = WidthOfRect(textArea) + b;
        std::wstring shown = FitWideTextToWidth(title, a, [&](std::wstring_view s) { return int64_t(measure(s).Width); });
        const Extent size = measure(shown);
        const int64_t left = l + a / 2 - (int64_t(size.Width) + 5) / 2;
        const int64_t topY = capH / 2 - size.Height / 2;
        const Rect place { int32_t(left), int32_t(topY), int32_t(left + size.Width), int32_t(topY + size.Height) };
        FillPixels(cap, Rect { place.Left - 2, place.Top - 2, place.Right + 2, place.Bottom + 2 }, face);
        text.Draw(cap, font, shown, place, colors.Resolve(active ? fonts.ActiveColor : fonts.InactiveColor), flags);
    }
    for (auto& o : frame.Objects())
        if (o->Visible)
            o->Draw(captionCanvas, true);

    // The four bands around the client rectangle (b, capH + b, w - b, h - b).
    const int32_t topH = std::min(h, capH + b), bottomH = std::max(0, std::min(b, h - topH));
    out.Bands.Top.Resize(w, topH);
    out.Bands.Bottom.Resize(w, bottomH);
    out.Bands.Left.Resize(std::min(w, b), h - topH - bottomH);
    out.Bands.Right.Resize(std::min(w, b), h - topH - bottomH);
    SetPlaces(out, w, h);
    FrameCanvas bands[4] = { BandCanvas(out.Bands.Top, out.TopAt, &text), BandCanvas(out.Bands.Left, out.LeftAt, &text),
        BandCanvas(out.Bands.Right, out.RightAt, &text), BandCanvas(out.Bands.Bottom, out.BottomAt, &text) };
    const Rect outer { 0, 0, w, h };
    for (FrameCanvas& c : bands) {
        CopyPixels(c.Pixels, b - c.Origin.X, b - c.Origin.Y, cap, ViewBounds(cap));
        Frame3D(c, outer, colors.Resolve(SystemColorFlag | 0x16), colors.Resolve(SystemColorFlag | 0x15));
        Frame3D(c, Rect { 1, 1, w - 1, h - 1 }, colors.Resolve(SystemColorFlag | 0x14), colors.Resolve(ClBtnShadow));
        Frame3D(c, Rect { 2, 2, w - 2, h - 2 }, face, face);
    }
}

void ComposeClientBackground(const TSkinFrame& frame, PixelView client, const IColorResolver& colors, PixelView logo,
    bool logoTransparent)
{
    if (client.IsEmpty())
        return;
    const int32_t cw = client.Width(), ch = client.Height();
    const Rect all { 0, 0, cw, ch };
    const Color face = colors.Resolve(ClBtnFace);
    const TlxSkinContent* skin = frame.Skin();
    bool logoAllowed = true;
    if (!skin) {
        FillPixels(client, all, face);
    } else {
        const FrameSkinInfo& info = frame.Info();
        PixelView tile;
        Rect tileRect;
        if (info.BGPictureIndex != -1) {
            tile = ActivePictureView(*skin, info.BGPictureIndex);
            tileRect = ViewBounds(tile);
        } else if (!IsEmptyRect(info.Piece.C)) {
            tile = PictureView(skin->Picture);
            tileRect = IntersectRects(info.Piece.C, ViewBounds(tile));
        }
        if (tile.IsEmpty() || IsEmptyRect(tileRect)) {
            FillPixels(client, all, face);
            logoAllowed = false;
        } else if (info.Stretch.Client) {
            const int32_t tw = tileRect.Width(), th = tileRect.Height();
            switch (info.Stretch.ClientType) {
            case ClientStretchType::Horizontal: {
                PixelBuffer column(tw, ch);
                StretchPixels(column.View(), ViewBounds(column.View()), tile, tileRect);
                for (int64_t i = 0; i <= cw / tw; ++i)
                    CopyPixels(client, int32_t(i * tw), 0, column.View(), ViewBounds(column.View()));
                break;
            }
            case ClientStretchType::Vertical: {
                PixelBuffer row(cw, th);
                StretchPixels(row.View(), ViewBounds(row.View()), tile, tileRect);
                for (int64_t j = 0; j <= ch / th; ++j)
                    CopyPixels(client, 0, int32_t(j * th), row.View(), ViewBounds(row.View()));
                break;
            }
            default: StretchPixels(client, all, tile, tileRect); break;
            }
        } else {
            const int32_t tw = tileRect.Width(), th = tileRect.Height();
            for (int64_t j = 0; j <= ch / th; ++j)
                for (int64_t i = 0; i <= cw / tw; ++i)
                    CopyPixels(client, int32_t(i * tw), int32_t(j * th), tile, tileRect);
        }
    }
    if (logoAllowed && !logo.IsEmpty()) {
        const int32_t x = std::max(0, cw / 2 - logo.Width() / 2), y = std::max(0, ch / 2 - logo.Height() / 2);
        if (logoTransparent)
            CopyPixelsTransparent(client, x, y, logo, logo.PixelAt(0, logo.Height() - 1));
        else
            CopyPixels(client, x, y, logo, ViewBounds(logo));
    }
}

void PlaceFrameImage(const FrameImage& image, PixelView window)
{
    auto put = [&](const PixelBuffer& band, Point at) {
        if (!band.IsEmpty())
            CopyPixels(window, at.X, at.Y, band.View(), ViewBounds(band.View()));
    };
    put(image.Bands.Top, image.TopAt);
    put(image.Bands.Left, image.LeftAt);
    put(image.Bands.Right, image.RightAt);
    put(image.Bands.Bottom, image.BottomAt);
}

} // namespace ventro

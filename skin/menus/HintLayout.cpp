// The arithmetic of the skinned hint window.
#include "skin/menus/HintLayout.h"

#include <algorithm>

namespace ventro {

std::wstring ReplaceLineSeparator(std::wstring_view text, std::wstring_view separator)
{
    if (separator.empty())
        return std::wstring(text);
    std::wstring out;
    out.reserve(text.size());
    size_t pos = 0;
    for (;;) {
        const size_t hit = text.find(separator, pos);
        if (hit == std::wstring_view::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out += L"\n\r";
        pos = hit + separator.size();
    }
    out.append(text.substr(pos));
    return out;
}

namespace {

PieceGeometry HintFrameGeometry(const TlxDataSkinHintWindow& f)
{
    return PieceGeometry { f.LeftTopPoint, f.RightTopPoint, f.LeftBottomPoint, f.RightBottomPoint, f.ClientRect };
}

} // namespace

HintGeometry ComputeHintGeometry(const HintLook& look, const HintContent& content)
{
    int64_t w = content.Text.Width, h = content.Text.Height;
    if (content.Rich) {
        const int32_t titleHeight = content.HasTitle ? content.Title.Height : 0;
        if (content.HasTitle) {
            h += titleHeight + 10;
            w = std::max<int64_t>(w, content.Title.Width);
        }
        if (content.HasImage) {
            w += content.Image.Width + 10;
            h = std::max<int64_t>(h, int64_t(content.Image.Height) + titleHeight + 5);
        }
    }
    HintGeometry g;
    if (!look.Skinned()) {
        g.Width = int32_t(std::clamp<int64_t>(w + 4, 0, INT32_MAX / 4));
        g.Height = int32_t(std::clamp<int64_t>(h + 4, 0, INT32_MAX / 4));
        g.Moved.C = Rect { 2, 2, g.Width - 2, g.Height - 2 };
        return g;
    }
    const PieceGeometry src = HintFrameGeometry(*look.Frame);
    const int64_t pw = look.PictureWidth, ph = look.PictureHeight;
    w += src.C.Left + (pw - src.C.Right) + (content.Rich ? 10 : 5);
    h += src.C.Top + (ph - src.C.Bottom);
    int64_t dx = w - pw, dy = h - ph;
    // The moved right column and bottom row never cross the fixed left and top ones.
    if (src.RT.X + dx < src.LT.X) {
        w += src.LT.X - (src.RT.X + dx);
        dx = w - pw;
    }
    if (src.RB.X + dx < src.LB.X) {
        w += src.LB.X - (src.RB.X + dx);
        dx = w - pw;
    }
    if (src.LB.Y + dy < src.LT.Y) {
        h += src.LT.Y - (src.LB.Y + dy);
        dy = h - ph;
    }
    if (src.RB.Y + dy < src.RT.Y) {
        h += src.RT.Y - (src.RB.Y + dy);
        dy = h - ph;
    }
    g.Width = int32_t(std::clamp<int64_t>(w, 0, INT32_MAX / 4));
    g.Height = int32_t(std::clamp<int64_t>(h, 0, INT32_MAX / 4));
    g.Moved = MovePieceGeometry(src, int32_t(g.Width - pw), int32_t(g.Height - ph));
    return g;
}

Point PlaceHint(Point topLeft, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight)
{
    Point p = topLeft;
    if (int64_t(p.X) + width > screenWidth)
        p.X -= width + 2;
    if (int64_t(p.Y) + height > screenHeight)
        p.Y -= height + 2;
    return p;
}

HintPaintLayout LayoutHintPaint(const HintLook& look, const HintContent& content, const HintGeometry& geometry)
{
    HintPaintLayout out;
    const Extent text = content.Text;
    const Rect c = geometry.Moved.C;
    if (!content.Rich) {
        if (look.Skinned()) {
            const int32_t x = c.Left + c.Width() / 2 - text.Width / 2;
            const int32_t y = c.Top + c.Height() / 2 - text.Height / 2;
            out.Text = Rect { x, y, x + text.Width, y + text.Height };
        } else {
            out.Text = Rect { 2, 2, geometry.Width - 2, geometry.Height - 2 };
        }
        return out;
    }
    const int32_t a = content.HasTitle ? content.Title.Height + 5 : 0;
    if (look.Skinned()) {
        if (content.HasTitle)
            out.Title = Rect { c.Left + 5, c.Top, c.Left + 5 + content.Title.Width, c.Top + content.Title.Height };
        int32_t textX = c.Left + 5;
        if (content.HasImage) {
            out.Image.X = c.Left + 5;
            out.Image.Y = content.HasTitle ? c.Top + a : c.Top + (c.Height() - content.Image.Height) / 2;
            textX = out.Image.X + content.Image.Width + 5;
        }
        const int32_t textY = content.HasTitle ? c.Top + a : c.Top + c.Height() / 2 - text.Height / 2;
        out.Text = Rect { textX, textY, textX + text.Width, textY + text.Height };
        return out;
    }
    const Rect r { 2, 2, geometry.Width - 2, geometry.Height - 2 };
    if (content.HasTitle)
        out.Title = Rect { r.Left, r.Top, r.Left + content.Title.Width, r.Top + content.Title.Height };
    out.Text = Rect { r.Left, r.Top + a, r.Right, r.Bottom + a };
    if (content.HasImage) {
        out.Image.X = r.Left;
        out.Image.Y = content.HasTitle ? r.Top + a : r.Top + (r.Height() - content.Image.Height) / 2;
        out.Text.Left = content.Image.Width + 9;
    }
    return out;
}

} // namespace ventro

namespace ventro {

namespace {

// Whether every one of the first `width` bits of a mask row has the value `bit`.
bool RowIsAll(const uint8_t* row, int32_t width, bool bit)
{
    for (int32_t x = 0; x < width; ++x) {
        const bool set = (row[x / 8] >> (7 - x % 8)) & 1;
        if (set != bit)
            return false;
    }
    return true;
}

} // namespace

int32_t CursorDrawnBottom(const uint8_t* bits, int32_t stride, int32_t width, int32_t height, bool hasColorPart)
{
    if (!bits || width <= 0 || height <= 0 || stride * 8 < width)
        return -1;
    const int32_t half = hasColorPart ? height / 2 : height;
    for (int32_t y = half - 1; y >= 0; --y)
        if (!RowIsAll(bits + int64_t(y) * stride, width, true))
            return y + 1;
    if (hasColorPart)
        for (int32_t y = half - 1; y >= 0; --y)
            if (!RowIsAll(bits + int64_t(half + y) * stride, width, false))
                return y + 1;
    return -1;
}

} // namespace ventro

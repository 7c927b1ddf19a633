// The skin engine's text painter on the platform.
#include "skin/gfx/GdiTextPainter.h"

#include <algorithm>

#include "platform/Text.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/SkinFont.h"

namespace ventro {

UINT DrawTextFormat(uint32_t flags)
{
    UINT format = DT_NOCLIP;
    if (flags & TextCenter)
        format |= DT_CENTER;
    else if (flags & TextRight)
        format |= DT_RIGHT;
    if (flags & TextVCenter)
        format |= DT_VCENTER;
    if (flags & TextSingleLine)
        format |= DT_SINGLELINE;
    if (flags & TextRtlReading)
        format |= DT_RTLREADING;
    if (flags & TextNoPrefix)
        format |= DT_NOPREFIX;
    return format;
}

GdiTextPainter::GdiTextPainter() : m_dc(CreateCompatibleDC(nullptr))
{
    SetBkMode(m_dc.Get(), TRANSPARENT);
}

GdiTextPainter::~GdiTextPainter()
{
    if (m_oldBitmap)
        SelectObject(m_dc.Get(), m_oldBitmap);
    if (m_oldFont)
        SelectObject(m_dc.Get(), m_oldFont);
}

void GdiTextPainter::Select(const TextFont& font)
{
    // The font stays selected between texts: a window's items mostly share one.
    const HFONT wanted = FontFor(font);
    if (wanted == m_selectedFont)
        return;
    HGDIOBJ previous = SelectObject(m_dc.Get(), wanted);
    if (!m_oldFont)
        m_oldFont = previous;
    m_selectedFont = wanted;
}

int GdiTextPainter::GdiObjectCount() const { return int(m_fonts.size()) + (m_scratch.IsEmpty() ? 0 : 1) + 1; }

HFONT GdiTextPainter::FontFor(const TextFont& font)
{
    auto it = m_fonts.find(font);
    if (it != m_fonts.end())
        return it->second.Get();
    FontHandle made = CreateSkinFont(AnsiToWide(font.Name), font.Height, font.Style, font.CharSet);
    return m_fonts.emplace(font, std::move(made)).first->second.Get();
}

Extent GdiTextPainter::Measure(const TextFont& font, std::wstring_view text, uint32_t flags)
{
    Select(font);
    RECT r {};
    // Measured without DT_VCENTER: some platforms centre the calculated
    // rectangle on the empty one given, which halves its height.
    DrawTextW(m_dc.Get(), text.data(), int(text.size()), &r, (DrawTextFormat(flags) & ~UINT(DT_VCENTER)) | DT_CALCRECT);
    return Extent { r.right - r.left, r.bottom - r.top };
}

void GdiTextPainter::EnsureScratch(int32_t width, int32_t height)
{
    if (!m_scratch.IsEmpty() && m_scratch.Width() >= width && m_scratch.Height() >= height)
        return;
    if (m_oldBitmap) {
        SelectObject(m_dc.Get(), m_oldBitmap);
        m_oldBitmap = nullptr;
    }
    const int32_t w = std::max(width, m_scratch.Width()), h = std::max(height, m_scratch.Height());
    m_scratch = DibSection(std::max(w, 64), std::max(h, 32));
    m_oldBitmap = SelectObject(m_dc.Get(), m_scratch.Handle());
}

void GdiTextPainter::Draw(PixelView target, const TextFont& font, std::wstring_view text, Rect r, Color color,
    uint32_t flags)
{
    const Rect clip = IntersectRects(r, ViewBounds(target));
    if (clip.Width() <= 0 || clip.Height() <= 0 || text.empty())
        return;
    EnsureScratch(clip.Width(), clip.Height());
    const PixelView scratch = m_scratch.View();
    CopyPixels(scratch, 0, 0, target, clip);
    HDC dc = m_dc.Get();
    Select(font);
    SetTextColor(dc, COLORREF(color & 0x00FFFFFFu));
    // Whatever falls outside the clip rectangle lands in the scratch beyond
    // the part copied back, so the text needs no clip region of its own.
    RECT box { r.Left - clip.Left, r.Top - clip.Top, r.Right - clip.Left, r.Bottom - clip.Top };
    DrawTextW(dc, text.data(), int(text.size()), &box, DrawTextFormat(flags));
    GdiFlush();
    CopyPixels(target, clip.Left, clip.Top, scratch, Rect { 0, 0, clip.Width(), clip.Height() });
}

} // namespace ventro

// Where a text's ink falls when the platform draws it in a font: its extent,
// the bounding box of its ink and the ink columns of each character's cell,
// for tests that check that texts fit their controls and show every glyph.
#pragma once
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace ventro::test {

struct TextInk {
    SIZE Extent {};
    TEXTMETRICW Metrics {};
    std::wstring Face;
    // Relative to the top-left corner of the text's cell; empty without ink.
    RECT Ink {};
    // Per character: the right edge of its cell, the columns of its cell
    // that hold ink, and the width of its glyph's black box (0 for a blank).
    std::vector<int> CellEnds;
    std::vector<int> InkColumns;
    std::vector<int> BlackBoxWidths;
};

// Draws `text` (no "&" processing) black on white and reads the ink back: a
// pixel is ink when it is at least a third of the way to black, so smoothed
// edges count but faint fringes do not.
inline TextInk MeasureTextInk(HFONT font, const std::wstring& text)
{
    TextInk out;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, font);
    GetTextMetricsW(dc, &out.Metrics);
    wchar_t face[LF_FACESIZE] {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    out.Face = face;
    const int n = int(text.size());
    GetTextExtentPoint32W(dc, text.c_str(), n, &out.Extent);
    out.CellEnds.assign(size_t(n), 0);
    GetTextExtentExPointW(dc, text.c_str(), n, 0, nullptr, out.CellEnds.data(), &out.Extent);
    for (wchar_t c : text) {
        GLYPHMETRICS gm {};
        const MAT2 identity { { 0, 1 }, { 0, 0 }, { 0, 0 }, { 0, 1 } };
        const bool blank = c == L' ' || c == 0x3000;
        DWORD got = blank ? GDI_ERROR : GetGlyphOutlineW(dc, c, GGO_METRICS, &gm, 0, nullptr, &identity);
        out.BlackBoxWidths.push_back(got == GDI_ERROR ? 0 : int(gm.gmBlackBoxX));
    }

    const int margin = 16, w = out.Extent.cx + 2 * margin, h = out.Metrics.tmHeight + 2 * margin;
    BITMAPINFO info {};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB };
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, section);
    RECT all { 0, 0, w, h };
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, margin, margin, text.c_str(), n);
    GdiFlush();
    auto ink = [&](int x, int y) {
        const uint8_t* p = static_cast<const uint8_t*>(bits) + (size_t(y) * size_t(w) + size_t(x)) * 4;
        return std::min({ p[0], p[1], p[2] }) <= 170;
    };
    out.Ink = { w, h, -1, -1 };
    std::vector<bool> column(size_t(w), false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (ink(x, y)) {
                column[size_t(x)] = true;
                out.Ink = { std::min<LONG>(out.Ink.left, x - margin), std::min<LONG>(out.Ink.top, y - margin),
                    std::max<LONG>(out.Ink.right, x - margin + 1), std::max<LONG>(out.Ink.bottom, y - margin + 1) };
            }
    if (out.Ink.right < 0)
        out.Ink = {};
    for (int i = 0, start = 0; i < n; start = out.CellEnds[size_t(i)], ++i)
        out.InkColumns.push_back(int(std::count(column.begin() + margin + start, column.begin() + margin + out.CellEnds[size_t(i)], true)));

    SelectObject(dc, oldBitmap);
    DeleteObject(section);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return out;
}

// The characters whose glyph shows too little ink to be whole: none at all,
// or a single column where its black box is three or more wide (a dot's
// smoothed edge may be faint). Empty when every glyph shows.
inline std::wstring MissingGlyphs(const std::wstring& text, const TextInk& ink)
{
    std::wstring missing;
    for (size_t i = 0; i < text.size(); ++i) {
        const int box = ink.BlackBoxWidths[i];
        const int wanted = box >= 3 ? 2 : box > 0 ? 1 : 0;
        if (ink.InkColumns[i] < wanted)
            missing += text[i];
    }
    return missing;
}

// A line for failure messages: the face, the extent and the ink box.
inline std::string Describe(const TextInk& ink)
{
    std::ostringstream s;
    s << "extent " << ink.Extent.cx << "x" << ink.Extent.cy << ", ink " << ink.Ink.left << ".." << ink.Ink.right << " x "
      << ink.Ink.top << ".." << ink.Ink.bottom << ", cell height " << ink.Metrics.tmHeight;
    return s.str();
}

} // namespace ventro::test

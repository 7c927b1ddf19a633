// The skin engine's text painter on the platform: captions, menu items and
// hints measured and drawn with the platform's text drawing, straight into
// core pixel buffers. The part of the buffer under the text is copied into a
// device-independent section, drawn on there and copied back. Fonts are made
// once per record, their face names converted from the ANSI code page then.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "platform/Handles.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/TextPainter.h"

namespace ventro {

class GdiTextPainter : public ITextPainter {
public:
    GdiTextPainter();
    ~GdiTextPainter() override;
    GdiTextPainter(const GdiTextPainter&) = delete;
    GdiTextPainter& operator=(const GdiTextPainter&) = delete;

    Extent Measure(const TextFont& font, std::wstring_view text, uint32_t flags) override;
    void Draw(PixelView target, const TextFont& font, std::wstring_view text, Rect r, Color color,
        uint32_t flags) override;

    // The platform font for a description, made once and kept.
    HFONT FontFor(const TextFont& font);
    // How many fonts and sections this painter holds (for leak checks).
    int GdiObjectCount() const;

private:
    void EnsureScratch(int32_t width, int32_t height);
    void Select(const TextFont& font);

    std::map<TextFont, FontHandle> m_fonts;
    MemoryDC m_dc;
    DibSection m_scratch;
    HGDIOBJ m_oldBitmap = nullptr;
    HGDIOBJ m_oldFont = nullptr;
    HFONT m_selectedFont = nullptr;
};

// The platform's text format flags for ours.
UINT DrawTextFormat(uint32_t flags);

} // namespace ventro

// TlxEffectBmp: a 24-bit section copy of a bitmap on which the effect and
// morph operations run, drawn back to a device with DrawTo.
#pragma once
#include <windows.h>

#include "skin/gfx/DibSection.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {

class TlxEffectBmp {
public:
    TlxEffectBmp(int32_t width, int32_t height) : m_dib(width, height) { }
    explicit TlxEffectBmp(HBITMAP bitmap) : m_dib(DibSection::FromBitmap(bitmap)) { }

    int32_t Width() const { return m_dib.Width(); }
    int32_t Height() const { return m_dib.Height(); }
    PixelView View() const { return m_dib.View(); }
    HBITMAP Handle() const { return m_dib.Handle(); }

    // Copies all pixels 1:1 to the device at (x, y).
    void DrawTo(HDC dc, int32_t x, int32_t y) const { BlitPixels(dc, x, y, View()); }

    void Brightness(double amount) { ventro::Brightness(View(), amount); }
    void Darkness(double amount) { ventro::Darkness(View(), amount); }
    void GrayScale() { ventro::GrayScale(View()); }
    void Invert() { ventro::Invert(View()); }
    void AddNoise(int32_t amount, NoiseGenerator& random) { ventro::AddNoise(View(), amount, random); }
    void SplitBlur(int32_t amount) { ventro::SplitBlur(View(), amount); }
    void FlipVertInto(TlxEffectBmp& other) const { ventro::FlipVertInto(View(), other.View()); }
    void ApplyInactiveEffect(InactiveEffect effect, NoiseGenerator& random)
    {
        ventro::ApplyInactiveEffect(View(), effect, random);
    }
    // This bitmap is the picture being left; other the one being entered.
    void Morph(const TlxEffectBmp& other, MorphKind kind, double k) { ApplyMorph(View(), other.View(), kind, k); }

private:
    DibSection m_dib;
};

} // namespace ventro

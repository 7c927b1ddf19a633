// Whole-image pixel operations on 24-bit pictures. The mixes (brightness,
// darkness and the blending morphs) are lxMix's exact fixed-point rows.
#include "skin/gfx/lxEffects.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/gfx/lxMix.h"

namespace ventro {
namespace {

// Clamps a weight or coefficient to 0..1; NaN counts as 0.
double ClampUnit(double w) { return w > 0 ? (w < 1 ? w : 1.0) : 0.0; }

bool SameSize(PixelView a, PixelView b)
{
    return !a.IsEmpty() && !b.IsEmpty() && a.Width() == b.Width() && a.Height() == b.Height();
}

size_t RowBytes(PixelView v) { return size_t(v.Width()) * 3; }

// a = a * w + b * (1 - w), w given per column.
void BlendColumns(PixelView a, PixelView b, const std::vector<double>& columnWeights)
{
    std::vector<uint16_t> byteWeights(RowBytes(a));
    for (size_t i = 0; i < byteWeights.size(); ++i)
        byteWeights[i] = MixFixed(columnWeights[i / 3]);
    ColumnMixer mixer(byteWeights);
    for (int32_t y = 0; y < a.Height(); ++y)
        mixer.Mix(a.RowUnchecked(y), b.RowUnchecked(y));
}

int32_t RoundInt(double v) { return int32_t(std::nearbyint(v)); }

} // namespace

uint64_t NoiseGenerator::Next()
{
    // SplitMix64: small, fast and good enough for a visual noise.
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t NoiseGenerator::Below(uint32_t bound)
{
    // Multiply-shift with rejection (Lemire): exactly uniform, no division
    // in the common case.
    uint64_t m = (Next() >> 32) * uint64_t(bound);
    uint32_t low = uint32_t(m);
    if (low < bound) {
        uint32_t threshold = uint32_t(-bound) % bound;
        while (low < threshold) {
            m = (Next() >> 32) * uint64_t(bound);
            low = uint32_t(m);
        }
    }
    return uint32_t(m >> 32);
}

void ClampChannels(int32_t& r, int32_t& g, int32_t& b)
{
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
}

namespace {

// Brightness and darkness mix the picture with white or black. An amount of 0
// gives c * 65535 + level * 0, which rounds to c, as the mix with weights
// 65535 and 1 does.
void MixWithLevel(PixelView pic, uint8_t level, double amount)
{
    if (pic.IsEmpty())
        return;
    LevelMixer mixer(MixComplement(MixFixed(amount)), level);
    for (int32_t y = 0; y < pic.Height(); ++y)
        mixer.Mix(pic.RowUnchecked(y), RowBytes(pic));
}

} // namespace

void Brightness(PixelView pic, double amount) { MixWithLevel(pic, 255, amount); }

void Darkness(PixelView pic, double amount) { MixWithLevel(pic, 0, amount); }

namespace {

// round(s / 100) with ties to even for every weighted sum s of a pixel.
struct GrayTable {
    uint8_t Level[25501];
    GrayTable()
    {
        for (uint32_t s = 0; s <= 25500; ++s) {
            uint32_t q = s / 100, rem = s % 100;
            Level[s] = uint8_t(q + (rem > 50 || (rem == 50 && (q & 1))));
        }
    }
};

} // namespace

void GrayScale(PixelView pic)
{
    if (pic.IsEmpty())
        return;
    // 0.3 R + 0.59 G + 0.11 B in hundredths, so ties are seen exactly.
    static const GrayTable table;
    for (int32_t y = 0; y < pic.Height(); ++y) {
        uint8_t* __restrict p = pic.RowUnchecked(y);
        const int32_t w = pic.Width();
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* px = p + size_t(x) * 3;
            uint8_t v = table.Level[11u * px[0] + 59u * px[1] + 30u * px[2]];
            px[0] = v;
            px[1] = v;
            px[2] = v;
        }
    }
}

void Invert(PixelView pic)
{
    if (pic.IsEmpty())
        return;
    for (int32_t y = 0; y < pic.Height(); ++y) {
        uint8_t* __restrict p = pic.RowUnchecked(y);
        size_t n = RowBytes(pic);
        for (size_t i = 0; i < n; ++i)
            p[i] ^= 0xFF;
    }
}

void AddNoise(PixelView pic, int32_t amount, NoiseGenerator& random)
{
    if (pic.IsEmpty() || amount <= 0)
        return;
    // The draws for a row go first into a buffer, one per byte, so that the
    // generator's chain runs on its own and the adding vectorises. The
    // generator is a local copy: written through the row pointer, its state
    // would otherwise be stored and reloaded for every pixel.
    NoiseGenerator local = random;
    const int32_t half = amount / 2, w = pic.Width();
    const size_t n = RowBytes(pic);
    std::vector<int16_t> noise(n);
    for (int32_t y = 0; y < pic.Height(); ++y) {
        for (int32_t x = 0; x < w; ++x) {
            int16_t d = int16_t(int32_t(local.Below(uint32_t(amount))) - half);
            noise[size_t(x) * 3] = noise[size_t(x) * 3 + 1] = noise[size_t(x) * 3 + 2] = d;
        }
        uint8_t* __restrict p = pic.RowUnchecked(y);
        const int16_t* __restrict d = noise.data();
        for (size_t i = 0; i < n; ++i)
            p[i] = uint8_t(std::clamp(int32_t(p[i]) + d[i], 0, 255));
    }
    random = local;
}

void SplitBlur(PixelView pic, int32_t amount)
{
    if (pic.IsEmpty() || amount <= 0)
        return;
    const int64_t n = amount, w = pic.Width(), h = pic.Height();
    // Samples outside the picture fall back to the pixel's own row or column.
    // The work is in place: rows above are already blurred when they are read.
    auto blurPixel = [&](int64_t x, uint8_t* row, const uint8_t* up, const uint8_t* low) {
        int64_t l = x - n < 0 ? x : x - n;
        int64_t r = x + n < w ? x + n : x;
        for (int c = 0; c < 3; ++c)
            row[x * 3 + c] = uint8_t(
                (unsigned(up[l * 3 + c]) + low[l * 3 + c] + up[r * 3 + c] + low[r * 3 + c]) >> 2);
    };
    for (int64_t y = 0; y < h; ++y) {
        uint8_t* row = pic.RowUnchecked(int32_t(y));
        const uint8_t* up = pic.RowUnchecked(int32_t(y - n < 0 ? y : y - n));
        const uint8_t* low = pic.RowUnchecked(int32_t(y + n < h ? y + n : y));
        if (up == row || low == row) {
            for (int64_t x = 0; x < w; ++x)
                blurPixel(x, row, up, low);
            continue;
        }
        // The samples come from two other rows, so the middle columns are one
        // straight pass over bytes.
        int64_t midStart = std::min(n, w), midEnd = std::max(midStart, w - n);
        for (int64_t x = 0; x < midStart; ++x)
            blurPixel(x, row, up, low);
        const int64_t off = n * 3;
        uint8_t* __restrict out = row;
        for (int64_t i = midStart * 3; i < midEnd * 3; ++i)
            out[i] = uint8_t((unsigned(up[i - off]) + low[i - off] + up[i + off] + low[i + off]) >> 2);
        for (int64_t x = midEnd; x < w; ++x)
            blurPixel(x, row, up, low);
    }
}

void FlipVertInto(PixelView pic, PixelView other)
{
    if (!SameSize(pic, other))
        return;
    int32_t h = pic.Height();
    size_t n = RowBytes(pic);
    if (pic.Bits() == other.Bits()) {
        std::vector<uint8_t> tmp(n);
        for (int32_t y = 0; y < h / 2; ++y) {
            std::memcpy(tmp.data(), pic.RowUnchecked(y), n);
            std::memcpy(pic.RowUnchecked(y), pic.RowUnchecked(h - 1 - y), n);
            std::memcpy(pic.RowUnchecked(h - 1 - y), tmp.data(), n);
        }
        return;
    }
    for (int32_t y = 0; y < h; ++y)
        std::memmove(other.RowUnchecked(h - 1 - y), pic.RowUnchecked(y), n);
}

void ApplyInactiveEffect(PixelView pic, InactiveEffect effect, NoiseGenerator& random)
{
    switch (effect) {
    case InactiveEffect::Brightness: Brightness(pic, 0.5); break;
    case InactiveEffect::Darkness: Darkness(pic, 0.3); break;
    case InactiveEffect::GrayScale: GrayScale(pic); break;
    case InactiveEffect::Noise: AddNoise(pic, 50, random); break;
    case InactiveEffect::SplitBlur: SplitBlur(pic, 1); break;
    case InactiveEffect::Invert: Invert(pic); break;
    }
}

void MorphBlend(PixelView a, PixelView b, double k)
{
    if (!SameSize(a, b))
        return;
    RowMixer mixer(MixComplement(MixFixed(k)));
    for (int32_t y = 0; y < a.Height(); ++y)
        mixer.Mix(a.RowUnchecked(y), b.RowUnchecked(y), RowBytes(a));
}


// Writes weights growing by `step` (at most to 1) from 0 at `start`, walking
// towards `end` (inclusive) in `direction` (+1 or -1); nothing when `start` is
// already past `end`.
static void FillRamp(std::vector<double>& weights, int32_t start, int32_t end, int32_t direction, double step)
{
    double wa = 0;
    for (int32_t i = start; direction > 0 ? i <= end : i >= end; i += direction) {
        weights[size_t(i)] = wa;
        wa = std::min(1.0, wa + step);
    }
}

// Weights for a centre gradient: 0 from `first` to `last`, growing outward
// from `first` down to 0 and from `last` up to the end.
static std::vector<double> RampOutward(int32_t count, int32_t first, int32_t last, double step)
{
    std::vector<double> weights(size_t(count), 0.0);
    FillRamp(weights, first, 0, -1, step);
    FillRamp(weights, last, count - 1, +1, step);
    return weights;
}

void MorphGradient(PixelView a, PixelView b, double k)
{
    if (!SameSize(a, b))
        return;
    k = ClampUnit(k);
    const int32_t w = a.Width(), h = a.Height();
    if (w >= h) {
        // Across: B fills the middle columns h0..g and fades into A on both sides.
        int32_t band = RoundInt(w * k);
        int32_t ramp = (w - band) / 2;
        double step = ramp == 0 ? 1.0 : 1.0 / ramp;
        int32_t h0 = std::max(0, w / 2 - band / 2), g = std::min(w - 1, w / 2 + band / 2);
        BlendColumns(a, b, RampOutward(w, h0, g, step));
        return;
    }
    // Down: B fills the middle rows n..d; the ramp is one row shorter and a
    // ramp of length 0 does not grow at all.
    int32_t band = RoundInt(h * k);
    int32_t ramp = (h - 1 - band) / 2;
    double step = ramp == 0 ? 0.0 : 1.0 / ramp;
    int32_t n = std::max(0, h / 2 - band / 2), d = std::min(h - 1, h / 2 + band / 2);
    const std::vector<double> weights = RampOutward(h, n, d, step);
    for (int32_t y = 0; y < h; ++y)
        RowMixer(MixFixed(weights[size_t(y)])).Mix(a.RowUnchecked(y), b.RowUnchecked(y), RowBytes(a));
}

void MorphLeftGradient(PixelView a, PixelView b, double k)
{
    if (!SameSize(a, b))
        return;
    k = ClampUnit(k);
    const int32_t w = a.Width();
    int32_t edge = std::min(std::max(RoundInt(w * k), 1), w - 1);
    double step = edge > 0 ? 1.0 / edge : 1.0;
    std::vector<double> weights(size_t(w), 1.0);
    FillRamp(weights, 0, edge, +1, step);
    BlendColumns(a, b, weights);
}

void MorphRightGradient(PixelView a, PixelView b, double k)
{
    if (!SameSize(a, b))
        return;
    k = ClampUnit(k);
    const int32_t w = a.Width();
    int32_t edge = std::min(std::max(w - RoundInt(w * k), 0), w - 1);
    double step = 1.0 / (w - edge);
    std::vector<double> weights(size_t(w), 1.0);
    FillRamp(weights, w - 1, edge, -1, step);
    BlendColumns(a, b, weights);
}

namespace {

// Copies the part of b that has slid in over a: from the right edge of b onto
// the left of a, or from the left edge of b onto the right of a.
void SlideIn(PixelView a, PixelView b, double k, bool ontoLeft)
{
    if (!SameSize(a, b))
        return;
    k = ClampUnit(k);
    const int32_t w = a.Width();
    int32_t shown = std::min(std::max(RoundInt(w * k), 1), w - 1);
    if (shown <= 0)
        return;
    size_t from = ontoLeft ? size_t(w - shown) * 3 : 0;
    size_t to = ontoLeft ? 0 : size_t(w - shown) * 3;
    for (int32_t y = 0; y < a.Height(); ++y)
        std::memcpy(a.RowUnchecked(y) + to, b.RowUnchecked(y) + from, size_t(shown) * 3);
}

} // namespace

void MorphLeftSlide(PixelView a, PixelView b, double k) { SlideIn(a, b, k, true); }
void MorphRightSlide(PixelView a, PixelView b, double k) { SlideIn(a, b, k, false); }

void MorphPush(PixelView a, PixelView b, double k)
{
    if (!SameSize(a, b))
        return;
    k = ClampUnit(k);
    const int32_t w = a.Width();
    int32_t edge = std::clamp(RoundInt(w * k), 0, w - 1);
    size_t pushed = size_t(edge + 1) * 3;
    for (int32_t y = 0; y < a.Height(); ++y) {
        uint8_t* row = a.RowUnchecked(y);
        std::memmove(row + pushed, row, RowBytes(a) - pushed);
        std::memcpy(row, b.RowUnchecked(y) + size_t(w - edge - 1) * 3, pushed);
    }
}

void ApplyMorph(PixelView a, PixelView b, MorphKind kind, double k)
{
    switch (kind) {
    case MorphKind::Default: MorphBlend(a, b, k); break;
    case MorphKind::Gradient: MorphGradient(a, b, k); break;
    case MorphKind::LeftGradient: MorphLeftGradient(a, b, k); break;
    case MorphKind::RightGradient: MorphRightGradient(a, b, k); break;
    case MorphKind::LeftSlide: MorphLeftSlide(a, b, k); break;
    case MorphKind::RightSlide: MorphRightSlide(a, b, k); break;
    case MorphKind::Push: MorphPush(a, b, k); break;
    }
}

} // namespace ventro

// Whole-image pixel operations on 24-bit pictures: the inactive-frame effects
// and the morph blends between two pictures of the same size.
#pragma once
#include <cstdint>

#include "base/PixelBuffer.h"

namespace ventro {

// Inactive effect codes, as the skin definition names them.
enum class InactiveEffect : int32_t {
    Brightness = 0, // "iebrightness"
    Darkness = 1,   // "iedarkness"
    GrayScale = 2,  // "iegrayscale"
    Noise = 3,      // "ienoise"
    SplitBlur = 4,  // "iesplitblur"
    Invert = 5,     // "ieinvert"
};

// Morph kinds, as the skin definition names them.
enum class MorphKind : int32_t {
    Default = 0,       // "mkdefault"
    Gradient = 1,      // "mkgradient"
    LeftGradient = 2,  // "mkleftgradient"
    RightGradient = 3, // "mkrightgradient"
    LeftSlide = 4,     // "mkleftslide"
    RightSlide = 5,    // "mkrightslide"
    Push = 6,          // "mkpush"
};

// A small seedable generator for AddNoise, so pictures are repeatable in tests.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint64_t seed) : m_state(seed) { }
    // A uniform integer from 0 to bound - 1; bound must be positive.
    uint32_t Below(uint32_t bound);

private:
    uint64_t Next();
    uint64_t m_state;
};

void ClampChannels(int32_t& r, int32_t& g, int32_t& b);

// Every operation does nothing on an empty view. Results are rounded to the
// nearest integer, ties to even, and clamped to 0..255.
void Brightness(PixelView pic, double amount); // c -> (1 - a)c + 255a, a clamped to 0..1
void Darkness(PixelView pic, double amount);   // c -> (1 - a)c, a clamped to 0..1
void GrayScale(PixelView pic);                 // all channels -> 0.3R + 0.59G + 0.11B
void Invert(PixelView pic);                    // c -> c xor 255
void AddNoise(PixelView pic, int32_t amount, NoiseGenerator& random);
void SplitBlur(PixelView pic, int32_t amount);
// Writes pic upside down into other; nothing happens unless the sizes match.
void FlipVertInto(PixelView pic, PixelView other);

// The effect the skin engine applies for an inactive frame, with its fixed parameter.
void ApplyInactiveEffect(PixelView pic, InactiveEffect effect, NoiseGenerator& random);

// Morphs change a (the picture being left) towards b (the picture being
// entered) by k, clamped to 0..1. Pictures of different sizes are left alone.
void MorphBlend(PixelView a, PixelView b, double k);
void MorphGradient(PixelView a, PixelView b, double k);
void MorphLeftGradient(PixelView a, PixelView b, double k);
void MorphRightGradient(PixelView a, PixelView b, double k);
void MorphLeftSlide(PixelView a, PixelView b, double k);
void MorphRightSlide(PixelView a, PixelView b, double k);
void MorphPush(PixelView a, PixelView b, double k);
void ApplyMorph(PixelView a, PixelView b, MorphKind kind, double k);

} // namespace ventro

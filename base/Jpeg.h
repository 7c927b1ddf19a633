// JPEG decoding into a 24-bit pixel buffer, with libjpeg.
#pragma once
#include <cstdint>
#include <span>

#include "base/PixelBuffer.h"

namespace ventro {

// Decodes a baseline or progressive JPEG (grey or colour). Throws FormatError
// on a damaged or unsupported picture.
PixelBuffer DecodeJpeg(std::span<const uint8_t> bytes);

} // namespace ventro

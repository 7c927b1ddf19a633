// Every size limit on skins, in one place: the bytes of the files a skin is
// read from, the inflated data, the pictures and their pixels. The decoders,
// the frame, skintool and skinview all check against these, before anything
// is allocated.
#pragma once
#include <cstdint>

namespace ventro {

// A file read whole: a compressed skin file, a packed skin, a picture.
constexpr uint64_t MaxSkinFileBytes = uint64_t(64) << 20;
// A skin definition text file.
constexpr uint64_t MaxDefinitionFileBytes = uint64_t(16) << 20;
// Inflated output of one zlib stream; beyond it decoding is refused as a
// compression error rather than exhausting memory.
constexpr int64_t MaxInflatedSize = int64_t(64) << 20;
// One picture: its width and height, and its pixels.
constexpr int32_t MaxBitmapDimension = 16384;
constexpr int64_t MaxBitmapPixels = int64_t(16) << 20;
// All pictures of one skin together.
constexpr int64_t MaxSkinPixels = int64_t(24) << 20;
// The inflated rows of one PNG a skin author imports.
constexpr int64_t MaxPngRowBytes = int64_t(64) << 20;
// A frame object larger than this is drawn without its intermediate bitmaps:
// only a hostile skin makes one, and its morph would cost gigabytes.
constexpr int64_t MaxObjectPixels = int64_t(4) << 20;

} // namespace ventro

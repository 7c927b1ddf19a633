// Composing skin pieces at a target size: three-piece strips, the nine-piece
// image, the four border bands of a frame and the four bands of a frame mask.
#pragma once
#include <cstdint>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

// Corner points and client rectangle of a skin element, relative to its skin
// rectangle's top-left corner (or, moved, to the target's).
struct PieceGeometry {
    Point LT, RT, LB, RB;
    Rect C;
    friend bool operator==(const PieceGeometry&, const PieceGeometry&) = default;
};

// The geometry for a target dx wider and dy taller than the skin rectangle:
// the left column and top row stay, the right column and bottom row move.
PieceGeometry MovePieceGeometry(const PieceGeometry& g, int32_t dx, int32_t dy);

enum class ClientStretchType : int32_t { Full = 0, Horizontal = 1, Vertical = 2 };

// Per-element stretch flags: an edge that does not stretch is tiled.
struct PieceStretch {
    bool Left = false, Top = false, Right = false, Bottom = false;
    bool Client = false;
    ClientStretchType ClientType = ClientStretchType::Full;
};

// target becomes aw wide and as high as r: fixed left and right pieces of lo
// and ro columns, the middle stretched or tiled between them.
void BuildHorzStrip(int32_t lo, int32_t ro, PixelBuffer& target, PixelView source, Rect r, int32_t aw, bool stretch);
// target becomes as wide as r and ah high, likewise along y.
void BuildVertStrip(int32_t to, int32_t bo, PixelBuffer& target, PixelView source, Rect r, int32_t ah, bool stretch);

// target becomes aw x ah, composed from the skin rectangle r of source.
// clientFill (a plain colour) paints a client that cannot be drawn because
// its rectangle is empty or outside the source.
void BuildNinePatch(const PieceGeometry& src, const PieceGeometry& dst, PixelBuffer& target, PixelView source, Rect r,
    int32_t aw, int32_t ah, bool drawClient, const PieceStretch& stretch, Color clientFill);

// The nine-piece image at target's current size for elements that give only
// a margin rectangle: every edge and the client stretched.
void BuildMarginStretch(PixelBuffer& target, PixelView source, Rect r, bool drawClient, Rect margin, Color clientFill);

struct FrameBands {
    PixelBuffer Top, Bottom, Left, Right;
};

// The four frame bands of a window of size aw x ah; a band whose conditions
// are not met is left empty.
void BuildBorderBands(const PieceGeometry& src, const PieceGeometry& dst, PixelView source, Rect r, int32_t aw,
    int32_t ah, const PieceStretch& stretch, FrameBands& bands);

// The four bands of a frame mask (as large as the element's skin picture),
// always tiled.
void BuildMaskBands(const PieceGeometry& src, const PieceGeometry& dst, int32_t aw, int32_t ah, PixelView mask,
    FrameBands& bands);

} // namespace ventro

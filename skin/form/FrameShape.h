// The shape of a skinned window: the four mask bands that follow the frame
// geometry, the point-in-shape test over them, and the window region as the
// platform's canonical list of rectangles.
#pragma once
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/form/FrameGeometry.h"
#include "skin/gfx/SkinPieces.h"

namespace ventro {

struct FrameShape {
    bool Masked = false; // false: the window is its full rectangle
    int32_t Width = 0, Height = 0;
    Rect NewMask;
    FrameBands Bands; // top at (0, 0), bottom at (0, NewMask.Bottom), left at
                      // (0, NewMask.Top), right at (NewMask.Right, NewMask.Top)
};

// The shape for the geometry: with a mask picture, its bands built with M as
// the client rectangle and NewMask as the moved one; without, the rectangle.
FrameShape BuildFrameShape(const FrameSkinInfo& skin, const TFrameGeometry& g, PixelView mask);
// A rectangular shape, for a window without skin or without mask.
FrameShape RectangularShape(int32_t width, int32_t height);

// True when the band's pixel at (x, y) is black; a point outside the band is outside.
bool BandPixelInside(const PixelBuffer& band, int64_t x, int64_t y);

// True when the point lies on the opaque part of the window.
bool PointInWindowShape(const FrameShape& shape, Point p);

// The rectangles of a region in the platform's canonical form: bands of equal
// top and bottom from top to bottom, disjoint spans in each band from left to
// right, touching spans merged, and a band that repeats the one above it
// merged into it. Any list of rectangles gives the same area.
std::vector<Rect> CanonicalRegion(std::vector<Rect> rects);
Rect RegionBounds(const std::vector<Rect>& rects);
bool RegionContains(const std::vector<Rect>& rects, Point p);

// The window region: NewMask and every band's black runs at its offset,
// kept inside the window, in canonical form.
std::vector<Rect> FrameRegionRects(const FrameShape& shape);

} // namespace ventro

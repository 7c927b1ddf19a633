// The shape of a skinned window: the four mask bands that follow the frame
// geometry, the point-in-shape test over them, and the window region as the
// platform's canonical list of rectangles.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/form/FrameGeometry.h"
#include "skin/gfx/SkinPieces.h"

namespace ventro {

// The most rectangles one window region may have. The platform builds and
// applies a region in time that grows with the square of its rectangle count
// (under Wine 2,000 one-pixel rows of spans take 40 ms, 24,000 take 8 s), and
// the region is rebuilt at every resize step; at this bound a rebuild stays
// under about 20 ms there (bench/skin_form, skin_form_region_bench). A mask
// whose region would pass it is refused at that size and the window stays
// rectangular.
constexpr size_t MaxWindowRegionRects = 1200;

struct FrameShape {
    bool Masked = false; // false: the window is its full rectangle
    int32_t Width = 0, Height = 0;
    Rect NewMask;
    FrameBands Bands; // top at (0, 0), bottom at (0, NewMask.Bottom), left at
                      // (0, NewMask.Top), right at (NewMask.Right, NewMask.Top)
    // The window region, canonical (FrameRegionRects of the shape).
    std::vector<Rect> Region;
    // A refused mask: the rectangles its region would have had and the bound
    // it passed; 0 otherwise.
    size_t RefusedRects = 0;
    size_t RefusedLimit = 0;
};

// The shape for the geometry: with a mask picture, its bands built with M as
// the client rectangle and NewMask as the moved one; without, the rectangle.
// A mask whose region passes maxRects is refused: the shape is the rectangle
// and RefusedRects tells why.
FrameShape BuildFrameShape(const FrameSkinInfo& skin, const TFrameGeometry& g, PixelView mask,
    size_t maxRects = MaxWindowRegionRects);
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

// What a skin author reads about a refused mask; empty when none was refused.
std::string RefusedMaskReason(const FrameShape& shape);

} // namespace ventro

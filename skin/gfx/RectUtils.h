// Small rectangle and point helpers, and the platform version tests, as pure functions.
#pragma once
#include <cstdint>

#include "base/Geometry.h"

namespace ventro {

constexpr int64_t WidthOfRect(Rect r) { return int64_t(r.Right) - r.Left; }
constexpr int64_t HeightOfRect(Rect r) { return int64_t(r.Bottom) - r.Top; }
constexpr bool IsEmptyRect(Rect r) { return WidthOfRect(r) <= 0 || HeightOfRect(r) <= 0; }
constexpr bool SameRect(Rect a, Rect b) { return a == b; }
constexpr bool PointInRectInclusive(Point p, Rect r)
{
    return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}
// Both corners of a inside b by the platform's point test, which leaves out
// b's right and bottom edges.
constexpr bool RectInsideRect(Rect a, Rect b)
{
    return b.Contains(Point { a.Left, a.Top }) && b.Contains(Point { a.Right, a.Bottom });
}
// True when either coordinate is 0.
constexpr bool IsZeroPoint(Point p) { return p.X == 0 || p.Y == 0; }

// Version tests on the number the platform reports: major version in the
// low byte, minor version in the next.
constexpr uint32_t MajorVersion(uint32_t version) { return version & 0xFF; }
constexpr uint32_t MinorVersion(uint32_t version) { return (version >> 8) & 0xFF; }
constexpr bool IsMajorAbove5(uint32_t version) { return MajorVersion(version) > 5; }
constexpr bool CanLayerWindows(uint32_t version)
{
    return (MajorVersion(version) == 5 && MinorVersion(version) <= 2) || IsMajorAbove5(version);
}
constexpr bool CanDropShadow(uint32_t version)
{
    return (MajorVersion(version) == 5 && MinorVersion(version) == 1) || IsMajorAbove5(version);
}

} // namespace ventro

// Rectangles and points: the value types every geometry routine works on.
#pragma once
#include <cstdint>

namespace ventro {

struct Point {
    int32_t X = 0;
    int32_t Y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive; all zeros means "not defined" in skin files.
struct Rect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr bool IsZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    constexpr bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return Rect { left, top, right, bottom };
}

} // namespace ventro

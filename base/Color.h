// Colours as the skin files and the platform store them: 0x00BBGGRR, or a
// system colour written as 0xFF000000 plus the system colour's index.
#pragma once
#include <cstdint>

namespace ventro {

using Color = uint32_t;

constexpr Color SystemColorFlag = 0xFF000000u;
constexpr Color ClBtnFace = SystemColorFlag | 0x0F;
constexpr Color ClBtnText = SystemColorFlag | 0x12;
constexpr Color ClBtnShadow = SystemColorFlag | 0x10;
constexpr Color ClWindowText = SystemColorFlag | 0x08;
constexpr Color ClBlack = 0x000000;
constexpr Color ClWhite = 0xFFFFFF;
constexpr Color ClRed = 0x0000FF;
constexpr Color ClBlue = 0xFF0000;

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) { return Color(r) | (Color(g) << 8) | (Color(b) << 16); }
constexpr uint8_t RedOf(Color c) { return uint8_t(c); }
constexpr uint8_t GreenOf(Color c) { return uint8_t(c >> 8); }
constexpr uint8_t BlueOf(Color c) { return uint8_t(c >> 16); }
constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == SystemColorFlag; }

} // namespace ventro

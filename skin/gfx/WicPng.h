// 32-bit PNG files through the platform's imaging component (WIC).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ventro {

// Pixels top-down, 4 bytes each: blue, green, red, alpha (not premultiplied).
struct Picture32 {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Bgra;
    friend bool operator==(const Picture32&, const Picture32&) = default;
};

// Both throw std::runtime_error with the failing step and its HRESULT.
void WritePng32(const std::wstring& path, const Picture32& picture);
Picture32 ReadPng32(const std::wstring& path);

} // namespace ventro

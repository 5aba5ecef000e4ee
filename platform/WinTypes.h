#pragma once
// The small Win32 value types that cross the display layer: rectangles and GDI colours.
#include <cstdint>

// left, top, right, bottom in pixels; right and bottom lie just outside the rectangle.
struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const RECT&, const RECT&) = default;
};

// A colour as GDI takes it: 0x00BBGGRR.
using COLORREF = std::uint32_t;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return COLORREF{red} | (COLORREF{green} << 8) | (COLORREF{blue} << 16);
}

#pragma once
// The small Win32 value types that cross the layers: rectangles, GDI colours, palette entries.
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

// Fills rect from a corner and a size, and gives it back for use in an expression.
inline RECT& makeRect(RECT& rect, std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) {
    rect = {left, top, left + width, top + height};
    return rect;
}

struct PALETTEENTRY {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;

    friend bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

#pragma once
#include <cstdint>

#include "platform/WinTypes.h"

// Fills rect from a corner and a size, and gives it back for use in an expression.
inline RECT& makeRect(RECT& rect, std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) {
    rect = {left, top, left + width, top + height};
    return rect;
}

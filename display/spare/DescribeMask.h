#pragma once
// Where a pixel format's colour mask lies: the position and length of its lowest run of one
// bits, so 0xF800 (red in 5-6-5) gives shift 11, width 5, and 0 gives (0, 0).
#include <cstdint>

#include "winapi/HResult.h"

// E_INVALIDARG when either result pointer is null.
HRESULT describeMask(std::uint32_t mask, std::uint32_t* shift, std::uint32_t* width);

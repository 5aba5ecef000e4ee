#pragma once
// Result codes and copy flags of the platform display services, with DirectDraw's values.
#include <cstdint>

#include "winapi/HResult.h"

// A copy whose rectangle does not lie wholly inside its source or destination.
constexpr HRESULT DDERR_INVALIDRECT = static_cast<HRESULT>(0x88760096u);
// A display mode the display services cannot make (depth other than 16 bits, absurd size).
constexpr HRESULT DDERR_INVALIDMODE = static_cast<HRESULT>(0x88760050u);
// No memory for a surface.
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);

// Copy flags of the fast copy.
constexpr std::uint32_t DDBLTFAST_NOCOLORKEY = 0x0;
constexpr std::uint32_t DDBLTFAST_SRCCOLORKEY = 0x1;

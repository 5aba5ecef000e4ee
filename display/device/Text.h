#pragma once
// One line of text, measured and drawn opaque into surfaces. The text is a byte string read as
// Latin-1, the way the ANSI text functions read it.
#include <cstdint>

#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

namespace device {

class PixelSurface;

// A typeface at a size. Only the default font exists so far; a null Font selects it.
class Font;

// Width and height in pixels of the text's box; false when no font could be opened.
bool measureText(const Font* font, const char* text, std::int32_t& width, std::int32_t& height);

// Draws the text with its box's top-left corner at (x, y): the box filled with backColor and
// the glyphs, unsmoothed, in textColor. An empty text draws nothing. E_FAIL when no font could
// be opened or the line could not be drawn.
HRESULT paintText(PixelSurface& surface, const Font* font, const char* text, std::int32_t x,
                  std::int32_t y, COLORREF backColor, COLORREF textColor);

}  // namespace device

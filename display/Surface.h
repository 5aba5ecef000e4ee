#pragma once
// One off-screen picture in the display's format: the tile sheet, the trail dots, a screen's
// picture, a line of text. The Display's factories make and paint them; blit copies them.
#include <cstdint>

#include "display/device/Bitmap.h"
#include "display/device/PixelSurface.h"
#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

namespace device {
class Font;
class PixelDevice;
}  // namespace device

class Surface {
  public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    // A new platform surface of desc's width and height from the device; the platform's code
    // passes through. A surface held before is released first.
    HRESULT allocate(device::PixelDevice* directDraw, const device::SurfaceDesc* desc);
    // Takes a reference of its own to platformSurface (null leaves the Surface empty); a surface
    // held before is released first. Always S_OK.
    HRESULT adopt(device::PixelSurface* platformSurface);

    // The bitmap's rectangle (a width or height of 0 is the bitmap's own) stretched over the
    // whole surface, converted to its format.
    HRESULT paintBitmap(const device::Bitmap* bitmap, std::int32_t srcX, std::int32_t srcY,
                        std::int32_t srcWidth, std::int32_t srcHeight);
    // One line of text with its top-left corner at (x, y), textColor on backColor, in the font
    // given or the default font when null.
    HRESULT paintText(const device::Font* font, const char* text, std::int32_t x, std::int32_t y,
                      COLORREF backColor, COLORREF textColor);

    // From now on blit skips the pixels whose raw value is this surface's value for color.
    // The Surface counts as keyed from this call on, whatever the result.
    HRESULT setSourceKey(COLORREF color);
    // The raw pixel value that painting stores for color (CLR_INVALID: the value pixel (0, 0)
    // holds). Pixel (0, 0) is borrowed and given back as it was. 0 without a platform surface.
    std::uint32_t toPixelValue(COLORREF color);

    device::PixelSurface* platformSurface() const { return surface_; }
    bool isKeyed() const { return keyed_ != 0; }
    // Width, height and format as the platform reported them; zero before allocate or adopt.
    const device::SurfaceDesc& description() const { return description_; }

  private:
    device::PixelSurface* surface_ = nullptr;
    device::SurfaceDesc description_;
    std::int32_t keyed_ = 0;
};

#pragma once
// The display device's platform object: it gives a window the screen, shared with the desktop or
// exclusively at full screen, and makes the surfaces that are drawn into and presented.
#include <cstdint>

#include "display/device/RefCounted.h"
#include "winapi/HResult.h"

namespace platform {
class Window;
}  // namespace platform

namespace device {

using platform::Window;

class FrontBuffer;
class PixelSurface;

class PixelDevice : public RefCounted {
  public:
    static constexpr std::uint32_t BitsPerPixel = 16;

    // One reference for the caller.
    static PixelDevice* create() { return new PixelDevice; }

    // Shared use of the desktop: the window leaves full screen. A null window: E_INVALIDARG.
    HRESULT shareScreen(Window* window);
    // Exclusive use for a width × height × bitsPerPixel display: the window goes full screen,
    // the monitor's mode stays as it is. Only 16 bits per pixel and sides the surfaces can have
    // make a display (else DDERR_INVALIDMODE). A null window: E_INVALIDARG.
    HRESULT takeScreen(Window* window, std::uint32_t width, std::uint32_t height,
                       std::uint32_t bitsPerPixel);

    // An off-screen surface in the display's format (see PixelSurface::create).
    HRESULT createSurface(std::uint32_t width, std::uint32_t height, PixelSurface** out);
    // The front buffer of the window. A null window: E_INVALIDARG.
    HRESULT createFrontBuffer(Window* window, FrontBuffer** out);

  private:
    PixelDevice() = default;
};

}  // namespace device

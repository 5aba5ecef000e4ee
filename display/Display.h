#pragma once
// The program's one presentation device: a back buffer that every frame is drawn into and a
// front buffer it is presented through, in a window or at full screen; and the factory of the
// game's Surfaces. Every operation answers an HRESULT and never throws.
#include <cstdint>
#include <functional>

#include "display/FramePacer.h"
#include "display/Surface.h"
#include "display/device/Bitmap.h"
#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

namespace platform {
class Window;
}  // namespace platform

namespace device {
class FrontBuffer;
class PixelDevice;
class PixelSurface;
}  // namespace device

class Display {
  public:
    Display() = default;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    virtual ~Display();

    // Releases the back buffer, the front buffer and the device, in that order, leaving the
    // window in shared desktop use. Always S_OK.
    virtual HRESULT releaseAll();

    // The window restyled with a border and a client area of width × height; the back buffer an
    // off-screen picture of that size, presented into the window. E_FAIL on any failed step;
    // what was made until then stays until the next open or releaseAll. The window must live
    // until then too.
    HRESULT openWindowed(platform::Window* target, std::uint32_t width, std::uint32_t height);
    // The window at full screen showing a width × height back buffer (16 bits per pixel only).
    // Failures as for openWindowed.
    HRESULT openFullScreen(platform::Window* target, std::uint32_t width, std::uint32_t height,
                           std::uint32_t bitsPerPixel);
    // bounds = the window's client area in screen coordinates, or the whole screen at full
    // screen. Always S_OK.
    HRESULT refreshBounds();
    // The back buffer becomes visible, at the next tick of the 60 Hz grid after the previous
    // present. E_POINTER without both buffers.
    HRESULT present();
    // Every back-buffer pixel set to the raw value's low 16 bits. E_POINTER without a buffer.
    HRESULT clear(std::uint32_t fillValue);
    // Copies sourceRect of source (all of it when null) to (x, y), skipping key-coloured pixels
    // when source is keyed. E_INVALIDARG for a null source; otherwise as blitRaw.
    HRESULT blit(std::int32_t x, std::int32_t y, const Surface* source, const RECT* sourceRect);
    // The refusing fast copy: a rectangle not wholly inside the back buffer or the source draws
    // nothing and answers DDERR_INVALIDRECT. E_POINTER without a back buffer, E_INVALIDARG for
    // a null source.
    HRESULT blitRaw(std::int32_t x, std::int32_t y, device::PixelSurface* platformSource,
                    const RECT* sourceRect, std::uint32_t copyFlags);
    // A new Surface holding the named bitmap (width, height 0: its own size), built in or read
    // from a .bmp file. E_INVALIDARG before an open or for a null name or out; E_FAIL when the
    // bitmap is neither. *out is null on every failure but a failed paint.
    HRESULT newBitmapSurface(Surface** out, device::BitmapName bitmapName, std::uint32_t width,
                             std::uint32_t height);
    // A new Surface exactly as large as the text, holding it in textColor on backColor, in the
    // font given or the default font when null. Failures as for newBitmapSurface.
    HRESULT newTextSurface(Surface** out, const device::Font* font, const char* text,
                           COLORREF backColor, COLORREF textColor);

    device::PixelDevice* directDraw = nullptr;
    device::FrontBuffer* frontBuffer = nullptr;
    device::PixelSurface* backBuffer = nullptr;
    platform::Window* window = nullptr;
    RECT bounds{};
    std::int32_t windowed = 0;

  private:
    // The front and back buffer of a width × height display presented into target, then the
    // window and mode recorded. E_FAIL when a buffer cannot be made.
    HRESULT finishOpen(platform::Window* target, std::uint32_t width, std::uint32_t height,
                       std::int32_t windowedMode);
    // A new Surface of width × height into *out, then painted. A failed allocation deletes it
    // and leaves *out null; a failed paint leaves it in *out.
    HRESULT newPaintedSurface(Surface** out, std::uint32_t width, std::uint32_t height,
                              const std::function<HRESULT(Surface&)>& paint);

    FramePacer pacer_;
};

// The one Display; null until start-up makes it.
extern Display* display;

// Called in every present once its tick has come, before the picture is shown: for counting the
// game's own time. Empty by default; gives back the observer it replaces.
std::function<void()> observePresents(std::function<void()> observer);

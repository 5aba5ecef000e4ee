#pragma once
// What the player sees: presenting puts a picture into the window it belongs to. A palette and
// a clipper can be attached to it; neither changes what is shown.
#include "display/device/Attached.h"
#include "display/device/Clipper.h"
#include "display/device/Palette.h"
#include "display/device/RefCounted.h"
#include "winapi/HResult.h"

namespace platform {
class Window;
}  // namespace platform

namespace device {

using platform::Window;

class PixelSurface;

class FrontBuffer : public RefCounted {
  public:
    // One reference for the caller. The window must outlive the front buffer.
    static FrontBuffer* create(Window& window) { return new FrontBuffer(window); }

    // Shows the picture in the window; the window's failure passes through.
    HRESULT present(const PixelSurface& picture);

    // Each keeps a reference of its own to what is attached (null detaches). Always S_OK.
    HRESULT setPalette(Palette* palette) {
        palette_.attach(palette);
        return S_OK;
    }
    HRESULT setClipper(Clipper* clipper) {
        clipper_.attach(clipper);
        return S_OK;
    }
    Palette* palette() const { return palette_.get(); }
    Clipper* clipper() const { return clipper_.get(); }

  private:
    explicit FrontBuffer(Window& window) : window_(window) {}

    Window& window_;
    Attached<Palette> palette_;
    Attached<Clipper> clipper_;
};

}  // namespace device

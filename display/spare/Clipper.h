#pragma once
// Clipping of the front buffer to a window. Presenting already draws only into the front
// buffer's own window, so the clipper records the window it was bound to and needs no more.
#include "display/device/RefCounted.h"
#include "winapi/HResult.h"

namespace platform {
class Window;
}  // namespace platform

namespace device {

using platform::Window;

class Clipper : public RefCounted {
  public:
    // One reference for the caller.
    static Clipper* create() { return new Clipper; }

    // Always S_OK; null unbinds.
    HRESULT setWindow(Window* window) {
        window_ = window;
        return S_OK;
    }
    Window* window() const { return window_; }

  private:
    Clipper() = default;

    Window* window_ = nullptr;
};

}  // namespace device

#pragma once
// What the player sees: presenting puts a picture into the window it belongs to.
#include "platform/HResult.h"
#include "platform/RefCounted.h"

namespace platform {

class PixelSurface;
class Window;

class FrontBuffer : public RefCounted {
  public:
    // One reference for the caller. The window must outlive the front buffer.
    static FrontBuffer* create(Window& window) { return new FrontBuffer(window); }

    // Shows the picture in the window; the window's failure passes through.
    HRESULT present(const PixelSurface& picture);

  private:
    explicit FrontBuffer(Window& window) : window_(window) {}

    Window& window_;
};

}  // namespace platform

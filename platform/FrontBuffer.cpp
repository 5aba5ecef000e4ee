#include "platform/FrontBuffer.h"

#include "platform/PixelSurface.h"
#include "platform/Window.h"

namespace platform {

HRESULT FrontBuffer::present(const PixelSurface& picture) {
    const SurfaceDesc& size = picture.description();
    return window_.present({.pixels = picture.row(0),
                            .width = size.width,
                            .height = size.height,
                            .pitch = size.pitch});
}

}  // namespace platform

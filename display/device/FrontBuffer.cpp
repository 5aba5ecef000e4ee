#include "display/device/FrontBuffer.h"

#include "display/device/PixelSurface.h"
#include "platform/seams/Window.h"

namespace device {

HRESULT FrontBuffer::present(const PixelSurface& picture) {
    const SurfaceDesc& size = picture.description();
    return window_.present({.pixels = picture.row(0),
                            .width = size.width,
                            .height = size.height,
                            .pitch = size.pitch});
}

}  // namespace device

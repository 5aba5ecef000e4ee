#include "display/device/PixelDevice.h"

#include "display/device/DisplayCodes.h"
#include "display/device/FrontBuffer.h"
#include "display/device/PixelSurface.h"
#include "platform/seams/Window.h"

namespace device {

HRESULT PixelDevice::shareScreen(Window* window) {
    if (window == nullptr) {
        return E_INVALIDARG;
    }
    window->setFullScreen(false);
    return S_OK;
}

HRESULT PixelDevice::takeScreen(Window* window, std::uint32_t width, std::uint32_t height,
                                std::uint32_t bitsPerPixel) {
    if (window == nullptr) {
        return E_INVALIDARG;
    }
    if (bitsPerPixel != BitsPerPixel || width == 0 || height == 0 ||
        width > PixelSurface::MaxSide || height > PixelSurface::MaxSide) {
        return DDERR_INVALIDMODE;
    }
    window->setFullScreen(true);
    return S_OK;
}

HRESULT PixelDevice::createSurface(std::uint32_t width, std::uint32_t height, PixelSurface** out) {
    return PixelSurface::create(width, height, out);
}

HRESULT PixelDevice::createFrontBuffer(Window* window, FrontBuffer** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (window == nullptr) {
        return E_INVALIDARG;
    }
    *out = FrontBuffer::create(*window);
    return S_OK;
}

}  // namespace device

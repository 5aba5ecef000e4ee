#include "platform/PixelDevice.h"

#include "platform/DisplayCodes.h"
#include "platform/FrontBuffer.h"
#include "platform/PixelSurface.h"
#include "platform/Window.h"

namespace platform {

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
    if (bitsPerPixel != kBitsPerPixel || width == 0 || height == 0 ||
        width > PixelSurface::kMaxSide || height > PixelSurface::kMaxSide) {
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

}  // namespace platform

#include "display/Surface.h"

#include "display/device/Bitmap.h"
#include "display/device/PixelDevice.h"
#include "display/device/Text.h"

Surface::~Surface() {
    device::releaseHeld(surface_);
}

HRESULT Surface::allocate(device::PixelDevice* directDraw, const device::SurfaceDesc* desc) {
    if (directDraw == nullptr) {
        return E_POINTER;
    }
    if (desc == nullptr) {
        return E_INVALIDARG;
    }
    device::releaseHeld(surface_);
    const HRESULT created = directDraw->createSurface(desc->width, desc->height, &surface_);
    if (FAILED(created)) {
        return created;
    }
    description_ = surface_->description();
    return S_OK;
}

HRESULT Surface::adopt(device::PixelSurface* platformSurface) {
    if (platformSurface != nullptr) {
        platformSurface->addRef();
        description_ = platformSurface->description();
    }
    device::releaseHeld(surface_);
    surface_ = platformSurface;
    return S_OK;
}

HRESULT Surface::paintBitmap(const device::Bitmap* bitmap, std::int32_t srcX, std::int32_t srcY,
                             std::int32_t srcWidth, std::int32_t srcHeight) {
    if (bitmap == nullptr || surface_ == nullptr) {
        return E_INVALIDARG;
    }
    return device::paintBitmap(*surface_, *bitmap, srcX, srcY, srcWidth, srcHeight);
}

HRESULT Surface::paintText(const device::Font* font, const char* text, std::int32_t x,
                           std::int32_t y, COLORREF backColor, COLORREF textColor) {
    if (surface_ == nullptr || text == nullptr) {
        return E_INVALIDARG;
    }
    return device::paintText(*surface_, font, text, x, y, backColor, textColor);
}

HRESULT Surface::setSourceKey(COLORREF color) {
    if (surface_ == nullptr) {
        return E_POINTER;
    }
    keyed_ = 1;
    surface_->setSourceKey(static_cast<std::uint16_t>(toPixelValue(color)));
    return S_OK;
}

std::uint32_t Surface::toPixelValue(COLORREF color) {
    if (surface_ == nullptr) {
        return 0;
    }
    std::uint16_t& origin = surface_->row(0)[0];
    const std::uint16_t saved = origin;
    if (color == CLR_INVALID) {
        return saved;
    }
    surface_->paintColor({0, 0, 1, 1}, color);
    const std::uint16_t painted = origin;
    origin = saved;
    return painted;
}

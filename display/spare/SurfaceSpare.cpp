#include "display/spare/SurfaceSpare.h"

HRESULT releaseSurface(Surface& surface) {
    surface.adopt(nullptr);
    return S_OK;
}

HRESULT paintBitmapByName(Surface& surface, device::BitmapName bitmapName, std::uint32_t width,
                          std::uint32_t height) {
    if (surface.platformSurface() == nullptr || bitmapName.isNull()) {
        return E_INVALIDARG;
    }
    const auto bitmap = device::Bitmap::load(bitmapName, width, height);
    if (!bitmap) {
        return E_FAIL;
    }
    const HRESULT painted = surface.paintBitmap(bitmap.get(), 0, 0, 0, 0);
    return FAILED(painted) ? painted : S_OK;
}

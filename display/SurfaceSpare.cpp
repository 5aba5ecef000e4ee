// The Surface's spare operations: none of them is on the game's path.
#include "display/Surface.h"

HRESULT Surface::releaseSurface() {
    device::releaseHeld(surface_);
    return S_OK;
}

HRESULT Surface::paintBitmapByName(platform::BitmapName bitmapName, std::uint32_t width,
                                   std::uint32_t height) {
    if (surface_ == nullptr || bitmapName.isNull()) {
        return E_INVALIDARG;
    }
    const auto bitmap = device::Bitmap::load(bitmapName, width, height);
    if (!bitmap) {
        return E_FAIL;
    }
    const HRESULT painted = paintBitmap(bitmap.get(), 0, 0, 0, 0);
    return FAILED(painted) ? painted : S_OK;
}

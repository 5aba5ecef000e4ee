// The Display's spare operations: none of them is on the game's path.
#include "display/Display.h"

#include "display/device/BmpFile.h"
#include "display/device/Clipper.h"
#include "display/device/ColourTable.h"
#include "display/device/DisplayCodes.h"
#include "display/device/FrontBuffer.h"
#include "display/device/Palette.h"
#include "display/device/PixelSurface.h"

HRESULT Display::presentNoVsync() {
    if (frontBuffer == nullptr || backBuffer == nullptr) {
        return E_POINTER;
    }
    return frontBuffer->present(*backBuffer);
}

HRESULT Display::blitRawKeyed(std::int32_t x, std::int32_t y, device::PixelSurface* platformSource,
                              const RECT* sourceRect) {
    return blitRaw(x, y, platformSource, sourceRect, DDBLTFAST_SRCCOLORKEY);
}

HRESULT Display::newBlankSurface(Surface** out, std::uint32_t width, std::uint32_t height) {
    if (directDraw == nullptr) {
        return E_POINTER;
    }
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    return newPaintedSurface(out, width, height, [](Surface&) { return S_OK; });
}

HRESULT Display::presentBitmap(const device::Bitmap* bitmap, device::Palette* palette) {
    if (frontBuffer == nullptr || backBuffer == nullptr) {
        return E_POINTER;
    }
    if (palette != nullptr) {
        frontBuffer->setPalette(palette);
    }
    {
        Surface back;
        back.adopt(backBuffer);
        if (FAILED(back.paintBitmap(bitmap, 0, 0, 0, 0))) {
            return E_FAIL;
        }
    }
    return present();
}

HRESULT Display::applyPalette(device::Palette* palette) {
    if (frontBuffer == nullptr) {
        return E_POINTER;
    }
    return frontBuffer->setPalette(palette);
}

HRESULT Display::loadPalette(device::Palette** out, platform::BitmapName bitmapName) {
    if (directDraw == nullptr || bitmapName.isNull() || out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    const auto bitmap = platform::BmpFile::load(bitmapName);
    if (!bitmap) {
        return E_FAIL;
    }
    const auto table = bitmapName.path() == nullptr ? platform::builtInColourTable(*bitmap)
                                                    : platform::fileColourTable(*bitmap);
    if (!table) {
        return E_FAIL;
    }
    *out = device::Palette::create(table->entries);
    return S_OK;
}

HRESULT Display::attachWindowClipper() {
    if (directDraw == nullptr || frontBuffer == nullptr) {
        return E_POINTER;
    }
    device::Clipper* clipper = device::Clipper::create();
    clipper->setWindow(window);
    const HRESULT attached = frontBuffer->setClipper(clipper);
    clipper->release();
    return FAILED(attached) ? attached : S_OK;
}

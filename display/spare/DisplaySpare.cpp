#include "display/spare/DisplaySpare.h"

#include <memory>

#include "display/device/BmpFile.h"
#include "display/device/DisplayCodes.h"
#include "display/device/FrontBuffer.h"
#include "display/device/PixelSurface.h"
#include "display/spare/Clipper.h"
#include "display/spare/ColourTable.h"
#include "display/spare/Palette.h"

HRESULT presentNoVsync(Display& screen) {
    if (screen.frontBuffer == nullptr || screen.backBuffer == nullptr) {
        return E_POINTER;
    }
    return screen.frontBuffer->present(*screen.backBuffer);
}

HRESULT blitRawKeyed(Display& screen, std::int32_t x, std::int32_t y,
                     device::PixelSurface* platformSource, const RECT* sourceRect) {
    return screen.blitRaw(x, y, platformSource, sourceRect, DDBLTFAST_SRCCOLORKEY);
}

HRESULT newBlankSurface(Display& screen, Surface** out, std::uint32_t width, std::uint32_t height) {
    if (screen.directDraw == nullptr) {
        return E_POINTER;
    }
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    auto blank = std::make_unique<Surface>();
    const device::SurfaceDesc desc{.width = width, .height = height};
    const HRESULT allocated = blank->allocate(screen.directDraw, &desc);
    if (FAILED(allocated)) {
        return allocated;
    }
    *out = blank.release();
    return S_OK;
}

HRESULT presentBitmap(Display& screen, const device::Bitmap* bitmap, device::Palette* palette) {
    if (screen.frontBuffer == nullptr || screen.backBuffer == nullptr) {
        return E_POINTER;
    }
    if (palette != nullptr) {
        screen.frontBuffer->attach(palette);
    }
    {
        Surface back;
        back.adopt(screen.backBuffer);
        if (FAILED(back.paintBitmap(bitmap, 0, 0, 0, 0))) {
            return E_FAIL;
        }
    }
    return screen.present();
}

HRESULT applyPalette(Display& screen, device::Palette* palette) {
    if (screen.frontBuffer == nullptr) {
        return E_POINTER;
    }
    return screen.frontBuffer->attach(palette);
}

HRESULT loadPalette(Display& screen, device::Palette** out, device::BitmapName bitmapName) {
    if (screen.directDraw == nullptr || bitmapName.isNull() || out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    const auto bitmap = device::BmpFile::load(bitmapName);
    if (!bitmap) {
        return E_FAIL;
    }
    const auto table = bitmapName.path() == nullptr ? device::builtInColourTable(*bitmap)
                                                    : device::fileColourTable(*bitmap);
    if (!table) {
        return E_FAIL;
    }
    *out = device::Palette::create(table->entries);
    return S_OK;
}

HRESULT attachWindowClipper(Display& screen) {
    if (screen.directDraw == nullptr || screen.frontBuffer == nullptr) {
        return E_POINTER;
    }
    device::Clipper* clipper = device::Clipper::create();
    clipper->setWindow(screen.window);
    const HRESULT attached = screen.frontBuffer->attach(clipper);
    clipper->release();
    return FAILED(attached) ? attached : S_OK;
}

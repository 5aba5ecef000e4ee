#include "display/Display.h"

#include <utility>

#include "display/device/DisplayCodes.h"
#include "display/device/FrontBuffer.h"
#include "display/device/PixelDevice.h"
#include "display/device/PixelSurface.h"
#include "display/device/Text.h"
#include "platform/seams/Clock.h"
#include "platform/seams/Window.h"

Display* display = nullptr;

namespace {

std::function<void()> presentObserver;

}  // namespace

Display::~Display() {
    releaseAll();
}

HRESULT Display::releaseAll() {
    device::releaseHeld(backBuffer);
    device::releaseHeld(frontBuffer);
    if (directDraw != nullptr) {
        directDraw->shareScreen(window);
        device::releaseHeld(directDraw);
    }
    return S_OK;
}

HRESULT Display::openFullScreen(platform::Window* target, std::uint32_t width, std::uint32_t height,
                                std::uint32_t bitsPerPixel) {
    releaseAll();
    directDraw = device::PixelDevice::create();
    if (FAILED(directDraw->takeScreen(target, width, height, bitsPerPixel))) {
        return E_FAIL;
    }
    return finishOpen(target, width, height, 0);
}

HRESULT Display::openWindowed(platform::Window* target, std::uint32_t width, std::uint32_t height) {
    releaseAll();
    directDraw = device::PixelDevice::create();
    if (FAILED(directDraw->shareScreen(target))) {
        return E_FAIL;
    }
    target->showWindowed(width, height);
    return finishOpen(target, width, height, 1);
}

HRESULT Display::finishOpen(platform::Window* target, std::uint32_t width, std::uint32_t height,
                            std::int32_t windowedMode) {
    if (FAILED(directDraw->createFrontBuffer(target, &frontBuffer)) ||
        FAILED(directDraw->createSurface(width, height, &backBuffer))) {
        return E_FAIL;
    }
    window = target;
    windowed = windowedMode;
    refreshBounds();
    return S_OK;
}

HRESULT Display::refreshBounds() {
    // Without a window there is nothing to measure; bounds stay as they were.
    if (window != nullptr) {
        bounds = windowed != 0 ? window->clientBounds() : window->screenBounds();
    }
    return S_OK;
}

std::function<void()> observePresents(std::function<void()> observer) {
    return std::exchange(presentObserver, std::move(observer));
}

HRESULT Display::present() {
    if (frontBuffer == nullptr || backBuffer == nullptr) {
        return E_POINTER;
    }
    platform::Clock& clock = platform::clock();
    pacer_.waitForNextTick(clock);
    if (presentObserver) {
        presentObserver();
    }
    const HRESULT shown = frontBuffer->present(*backBuffer);
    // Where a retrace shows the picture at the tick, the pause after a present starts there; the
    // time our present took to put the picture up is counted against that pause.
    clock.countTowardNextSleep(clock.nowNs() - pacer_.lastTickNs());
    return shown;
}

HRESULT Display::clear(std::uint32_t fillValue) {
    if (backBuffer == nullptr) {
        return E_POINTER;
    }
    return backBuffer->fill(fillValue);
}

HRESULT Display::blit(std::int32_t x, std::int32_t y, const Surface* source,
                      const RECT* sourceRect) {
    if (source == nullptr) {
        return E_INVALIDARG;
    }
    return blitRaw(x, y, source->platformSurface(), sourceRect,
                   source->isKeyed() ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY);
}

HRESULT Display::blitRaw(std::int32_t x, std::int32_t y, device::PixelSurface* platformSource,
                         const RECT* sourceRect, std::uint32_t copyFlags) {
    if (backBuffer == nullptr) {
        return E_POINTER;
    }
    return backBuffer->copyFast(x, y, platformSource, sourceRect, copyFlags);
}

HRESULT Display::newPaintedSurface(Surface** out, std::uint32_t width, std::uint32_t height,
                                   const std::function<HRESULT(Surface&)>& paint) {
    const device::SurfaceDesc desc{.width = width, .height = height};
    *out = new Surface;
    const HRESULT allocated = (*out)->allocate(directDraw, &desc);
    if (FAILED(allocated)) {
        delete *out;
        *out = nullptr;
        return allocated;
    }
    const HRESULT painted = paint(**out);
    return FAILED(painted) ? painted : S_OK;
}

HRESULT Display::newBitmapSurface(Surface** out, device::BitmapName bitmapName, std::uint32_t width,
                                  std::uint32_t height) {
    if (directDraw == nullptr || bitmapName.isNull() || out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    const auto bitmap = device::Bitmap::load(bitmapName, width, height);
    if (!bitmap) {
        return E_FAIL;
    }
    return newPaintedSurface(out, bitmap->width(), bitmap->height(), [&](Surface& surface) {
        return surface.paintBitmap(bitmap.get(), 0, 0, 0, 0);
    });
}

HRESULT Display::newTextSurface(Surface** out, const device::Font* font, const char* text,
                                COLORREF backColor, COLORREF textColor) {
    if (directDraw == nullptr || text == nullptr || out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!device::measureText(font, text, width, height)) {
        return E_FAIL;
    }
    return newPaintedSurface(out, static_cast<std::uint32_t>(width),
                             static_cast<std::uint32_t>(height), [&](Surface& surface) {
                                 return surface.paintText(font, text, 0, 0, backColor, textColor);
                             });
}

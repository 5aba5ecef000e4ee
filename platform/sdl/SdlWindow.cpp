#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include "platform/picture/PictureFit.h"
#include "platform/web/BrowserPage.h"

namespace platform {

std::unique_ptr<SdlWindow> SdlWindow::createWithCursor(const char* title, std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_Window* window =
        SDL_CreateWindow(title, 0, 0, 1, 1, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    // Scaling a 640 × 480 picture is cheapest on the processor, in the window's own pixels, and
    // straight into the window's shared memory: SDL would otherwise draw through OpenGL, which
    // without a graphics card is a software rasteriser costing several times as much.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Renderer* renderer =
        window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    if (renderer == nullptr) {
        error = SDL_GetError();
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::unique_ptr<SdlWindow>(new SdlWindow(window, renderer));
}

SdlWindow::SdlWindow(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window), renderer_(renderer) {
    SDL_AddEventWatch(&SdlWindow::watch, this);
}

SdlWindow::~SdlWindow() {
    SDL_DelEventWatch(&SdlWindow::watch, this);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlWindow::showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) {
    setFullScreen(false);
    SDL_SetWindowBordered(window_, SDL_TRUE);
#ifndef __EMSCRIPTEN__
    // In a browser the page scales the canvas; a resizable window would have SDL grow the
    // canvas's own pixels to its size on the page instead.
    SDL_SetWindowResizable(window_, SDL_TRUE);
#endif
    SDL_SetWindowSize(window_, static_cast<int>(clientWidth), static_cast<int>(clientHeight));
    keepTopLeftInWorkArea();
    showAgain();
    notePlacement(SDL_GetTicks());
}

void SdlWindow::moveTo(std::int32_t x, std::int32_t y) {
    SDL_SetWindowPosition(window_, x, y);
    keepTopLeftInWorkArea();
    notePlacement(SDL_GetTicks());
}

void SdlWindow::notePlacement(std::uint32_t atMs) {
    constexpr std::uint32_t PlacingMs = 2000;
    if (windowedAtMs_ && atMs - *windowedAtMs_ <= PlacingMs && !isFullScreen()) {
        placed_ = clientBounds();
    }
}

// Runs as SDL queues each event, on the thread that pumps them. A frame presented while the
// desktop is still resizing the window can be lost (X11 with an OpenGL renderer); the size and
// exposure events that follow bring the picture back. SDL's renderer watches the same events and,
// having started watching first, has already taken in the new size.
int SdlWindow::watch(void* self, SDL_Event* event) {
    auto& window = *static_cast<SdlWindow*>(self);
    if (event->type != SDL_WINDOWEVENT ||
        event->window.windowID != SDL_GetWindowID(window.window_)) {
        return 0;
    }
    switch (event->window.event) {
        case SDL_WINDOWEVENT_MOVED:
            window.notePlacement(event->window.timestamp);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            window.notePlacement(event->window.timestamp);
            window.keepFullScreenSize();
            window.showAgain();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            window.showAgain();
            break;
        default:
            break;
    }
    return 0;
}

void SdlWindow::showAgain() {
    // Scaled again and the bars drawn again: the desktop may have drawn over them.
    scaledTo_ = {};
    if (scaler_.keptWidth() != 0 && SUCCEEDED(showUploaded())) {
        return;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
}

// Only the top and left edges are kept in: the frame's corner, not the client's.
void SdlWindow::keepTopLeftInWorkArea() {
    SDL_Rect work{};
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &work) != 0) {
        return;
    }
    int frameTop = 0;
    int frameLeft = 0;
    SDL_GetWindowBordersSize(window_, &frameTop, &frameLeft, nullptr, nullptr);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    if (x - frameLeft < work.x) {
        x = work.x + frameLeft;
    }
    if (y - frameTop < work.y) {
        y = work.y + frameTop;
    }
    SDL_SetWindowPosition(window_, x, y);
}

// In a browser the page shows the canvas at full screen and scales it, as its own button does:
// SDL's full screen would make the canvas's pixels the screen's.
void SdlWindow::setFullScreen(bool fullScreen) {
    if (!fullScreen && (!windowedAtMs_ || isFullScreen())) {
        windowedAtMs_ = SDL_GetTicks();
    }
#ifdef __EMSCRIPTEN__
    showPageFullScreen(fullScreen);
#else
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
#endif
    fullScreenRestores_ = 0;
    showAgain();
}

// Under Wine on a busy machine the desktop's answer to a size asked for before full screen can
// arrive after it and shrink the window again, SDL still counting it full screen: the game then
// plays in a corner. Neither Windows itself nor Linux's X11 path has been seen doing this.
void SdlWindow::keepFullScreenSize() {
#ifdef _WIN32
    constexpr int MostRestores = 3;
    const RECT screen = screenBounds();
    const RECT client = clientBounds();
    if (!isFullScreen() || fullScreenRestores_ >= MostRestores || screen.right == 0 ||
        (client.right - client.left == screen.right &&
         client.bottom - client.top == screen.bottom)) {
        return;
    }
    ++fullScreenRestores_;
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
#endif
}

bool SdlWindow::isFullScreen() const {
#ifdef __EMSCRIPTEN__
    return isPageFullScreen();
#else
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
#endif
}

RECT SdlWindow::clientBounds() const {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &width, &height);
    return {x, y, x + width, y + height};
}

RECT SdlWindow::screenBounds() const {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window_), &mode) != 0) {
        return {};
    }
    return {0, 0, mode.w, mode.h};
}

HRESULT SdlWindow::present(const PictureView& picture) {
    const HRESULT uploaded = upload(picture);
    return FAILED(uploaded) ? uploaded : showUploaded();
}

HRESULT SdlWindow::upload(const PictureView& picture) {
    if (picture.pixels == nullptr) {
        return E_INVALIDARG;
    }
    return scaleOntoScreen(&picture);
}

// SDL's software renderer draws into the window's surface, the memory it shares with the X
// server (or the desktop's bitmap): the picture is scaled straight into it, and anything drawn
// through the renderer afterwards lands over the picture.
HRESULT SdlWindow::scaleOntoScreen(const PictureView* picture) {
    SDL_RenderFlush(renderer_);
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (screen == nullptr) {
        return E_FAIL;
    }
    const std::uint32_t width = picture != nullptr ? picture->width : scaler_.keptWidth();
    const std::uint32_t height = picture != nullptr ? picture->height : scaler_.keptHeight();
    const RECT fit = fitPicture(width, height, screen->w, screen->h, wholeMultiples_);
    if (fit != scaledTo_ || screen->pixels != scaledOnto_) {
        barsShown_ = false;
        surfaceHoldsPicture_ = false;
    }
    scaledTo_ = fit;
    scaledOnto_ = screen->pixels;
    const auto fitWidth = static_cast<std::uint32_t>(fit.right - fit.left);
    const auto fitHeight = static_cast<std::uint32_t>(fit.bottom - fit.top);
    // The window's own pixels are the scaler's on every desktop the game runs on; any others
    // are converted from a picture scaled aside.
    const bool direct = screen->format->format == SDL_PIXELFORMAT_RGB888 ||
                        screen->format->format == SDL_PIXELFORMAT_ARGB8888;
    if (!direct) {
        aside_.resize(std::size_t{fitWidth} * fitHeight);
    }
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) {
        return E_FAIL;
    }
    void* at = static_cast<std::uint8_t*>(screen->pixels) +
               static_cast<std::ptrdiff_t>(fit.top) * screen->pitch +
               static_cast<std::ptrdiff_t>(fit.left) * screen->format->BytesPerPixel;
    void* into = direct ? at : aside_.data();
    const std::size_t pitch = direct ? static_cast<std::size_t>(screen->pitch) : fitWidth * 4;
    if (picture != nullptr) {
        scaler_.scale(*picture, scaling_, fitWidth, fitHeight, into, pitch,
                      surfaceHoldsPicture_ ? OutputHolds::KeptPicture : OutputHolds::Anything);
    } else {
        scaler_.scaleKept(scaling_, fitWidth, fitHeight, into, pitch);
    }
    const bool converted =
        direct || fitWidth == 0 ||
        SDL_ConvertPixels(static_cast<int>(fitWidth), static_cast<int>(fitHeight),
                          SDL_PIXELFORMAT_RGB888, aside_.data(), static_cast<int>(pitch),
                          screen->format->format, at, screen->pitch) == 0;
    if (SDL_MUSTLOCK(screen)) {
        SDL_UnlockSurface(screen);
    }
    surfaceHoldsPicture_ = converted;
    return converted ? S_OK : E_FAIL;
}

HRESULT SdlWindow::showUploaded() {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (screen == nullptr) {
        return E_FAIL;
    }
    const RECT fit = fitPicture(scaler_.keptWidth(), scaler_.keptHeight(), screen->w, screen->h,
                                wholeMultiples_);
    if ((fit != scaledTo_ || screen->pixels != scaledOnto_) && FAILED(scaleOntoScreen(nullptr))) {
        return E_FAIL;
    }
    // Black bars around the picture, drawn again only when the picture or the surface has moved.
    if (!barsShown_) {
        const SDL_Rect bars[] = {{0, 0, screen->w, fit.top},
                                 {0, fit.bottom, screen->w, screen->h - fit.bottom},
                                 {0, fit.top, fit.left, fit.bottom - fit.top},
                                 {fit.right, fit.top, screen->w - fit.right, fit.bottom - fit.top}};
        SDL_FillRects(screen, bars, 4, 0);
        barsShown_ = true;
    }
    if (drawOver_ && drawOver_(renderer_, fit)) {
        surfaceHoldsPicture_ = false;
    }
    SDL_RenderPresent(renderer_);
    return S_OK;
}

std::unique_ptr<SdlWindow> createGameWindow(const char* title, std::string& error) {
    std::unique_ptr<SdlWindow> window = SdlWindow::createWithCursor(title, error);
    if (window) {
        SDL_ShowCursor(SDL_DISABLE);  // hidden over the game for the rest of the run
    }
    return window;
}

}  // namespace platform

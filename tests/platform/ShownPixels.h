#pragma once
// A real SDL window (on the dummy video driver) to present pictures into, and what it shows,
// read back in the window's own pixels.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/SdlWindow.h"

namespace sdltest {

// A window with a client area of width × height, scaling as asked; null (the test failed) when
// SDL cannot make one.
inline std::unique_ptr<platform::SdlWindow> windowOf(int width, int height,
                                                     platform::Scaling scaling,
                                                     bool wholeMultiples = false) {
    std::string error;
    auto window = platform::SdlWindow::createWithCursor("tilebounce test", error);
    EXPECT_NE(window, nullptr) << error;
    if (window != nullptr) {
        window->setScaling(scaling);
        window->scaleByWholeMultiples(wholeMultiples);
        window->showWindowed(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    }
    return window;
}

// The pixels of `area` of the window (all of it when null), row by row, as RGB888.
inline std::vector<std::uint32_t> shownIn(platform::SdlWindow& window,
                                          const SDL_Rect* area = nullptr) {
    SDL_Rect all{};
    SDL_GetWindowSize(window.sdlWindow(), &all.w, &all.h);
    const SDL_Rect& read = area != nullptr ? *area : all;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(read.w * read.h));
    EXPECT_EQ(SDL_RenderReadPixels(window.sdlRenderer(), &read, SDL_PIXELFORMAT_RGB888,
                                   pixels.data(), read.w * 4),
              0)
        << SDL_GetError();
    return pixels;
}

}  // namespace sdltest

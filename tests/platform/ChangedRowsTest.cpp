// A present scales again only the picture rows that changed since the last one, into the
// window's surface that still holds the rest: read back from the SDL window under the dummy video
// driver, every present must still show its whole picture, exactly as a fresh window shows it, at
// any scale, after anything was drawn over it, and after the surface was lost.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/sdl/SdlWindow.h"
#include "tests/platform/ShownPixels.h"

namespace {

using platform::Scaling;

constexpr int Width = 40;
constexpr int Height = 30;

using Picture = std::vector<std::uint16_t>;

Picture randomPicture(std::mt19937& random) {
    Picture picture(Width * Height);
    for (std::uint16_t& pixel : picture) {
        pixel = static_cast<std::uint16_t>(random());
    }
    return picture;
}

// A few rows of the picture changed: single rows, neighbours, the first and the last.
Picture withRowsChanged(Picture picture, std::mt19937& random) {
    for (const int row : {0, 7, 8, 15, Height - 1}) {
        picture[static_cast<std::size_t>(row * Width + static_cast<int>(random() % Width))] ^=
            0x0841;
    }
    return picture;
}

std::vector<std::uint32_t> presentedBy(platform::SdlWindow& window, const Picture& picture) {
    EXPECT_EQ(window.present({picture.data(), Width, Height, Width * 2}), S_OK);
    return sdltest::shownIn(window);
}

// What a window of that size shows of the picture presented first.
std::vector<std::uint32_t> freshlyPresented(const Picture& picture, int width, int height,
                                            Scaling scaling) {
    const auto window = sdltest::windowOf(width, height, scaling);
    return window != nullptr ? presentedBy(*window, picture) : std::vector<std::uint32_t>{};
}

struct Size {
    int width;
    int height;
    Scaling scaling;
};

// 1.5 × and 2.25 × mix neighbouring rows, 0.75 × passes some rows over, 2 × and 1 × copy.
const Size Sizes[] = {{60, 45, Scaling::Sharp},        {90, 68, Scaling::Sharp},
                      {30, 23, Scaling::Sharp},        {80, 60, Scaling::Sharp},
                      {Width, Height, Scaling::Sharp}, {60, 45, Scaling::Nearest}};

TEST(ChangedRows, EveryPresentShowsItsWholePictureAtEveryScale) {
    std::mt19937 random(26);
    for (const Size& size : Sizes) {
        const auto window = sdltest::windowOf(size.width, size.height, size.scaling);
        ASSERT_NE(window, nullptr);
        Picture picture = randomPicture(random);
        presentedBy(*window, picture);
        for (int present = 0; present < 4; ++present) {
            picture = withRowsChanged(picture, random);
            EXPECT_EQ(presentedBy(*window, picture),
                      freshlyPresented(picture, size.width, size.height, size.scaling))
                << size.width << " x " << size.height << ", present " << present;
        }
        EXPECT_EQ(presentedBy(*window, picture),
                  freshlyPresented(picture, size.width, size.height, size.scaling))
            << "presented again unchanged";
    }
}

TEST(ChangedRows, WhatWasDrawnOverThePictureIsGoneOnceItIsNoLongerDrawnOrShownAgain) {
    std::mt19937 random(7);
    const Picture picture = randomPicture(random);
    const auto window = sdltest::windowOf(60, 45, Scaling::Sharp);
    ASSERT_NE(window, nullptr);
    bool overlaid = true;
    window->drawOver([&overlaid](SDL_Renderer* renderer, const RECT& where) {
        if (!overlaid) {
            return false;
        }
        const SDL_Rect box{where.left + 5, where.top + 5, 20, 20};
        SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
        SDL_RenderFillRect(renderer, &box);
        return true;
    });
    const std::vector<std::uint32_t> clean = freshlyPresented(picture, 60, 45, Scaling::Sharp);
    EXPECT_NE(presentedBy(*window, picture), clean) << "the box lies over the picture";
    overlaid = false;
    EXPECT_EQ(presentedBy(*window, picture), clean) << "the same picture, without the box";

    // As when the desktop uncovers the window: its surface holds whatever, and it is shown again.
    SDL_Surface* surface = SDL_GetWindowSurface(window->sdlWindow());
    ASSERT_NE(surface, nullptr);
    SDL_FillRect(surface, nullptr, 0x00FF00FF);
    window->showAgain();
    EXPECT_EQ(sdltest::shownIn(*window), clean);
    EXPECT_EQ(presentedBy(*window, picture), clean);
}

}  // namespace

// The overlay drawn over a picture: the text is made at the size it is shown, so that it is as
// sharp on a large screen as in a small window, in English and in Korean.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/sdl/OverlayPainter.h"

namespace {

// The rows of the canvas with any light pixel, from the first to the last.
int litRows(SDL_Surface* canvas) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < canvas->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(canvas->pixels) + y * canvas->pitch);
        for (int x = 0; x < canvas->w; ++x) {
            if ((row[x] & 0xFF) > 0x80) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// The text's height in a canvas of 640 × 480 × scale; -1 when the painter says it drew nothing.
int paintedHeight(int scale, const platform::Overlay& overlay) {
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> canvas(
        SDL_CreateRGBSurfaceWithFormat(0, 640 * scale, 480 * scale, 32, SDL_PIXELFORMAT_ARGB8888),
        &SDL_FreeSurface);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(canvas.get());
    bool drew = false;
    {
        platform::OverlayPainter painter;
        drew = painter.paint(renderer, {0, 0, 640 * scale, 480 * scale}, overlay);
    }
    SDL_RenderPresent(renderer);
    const int height = litRows(canvas.get());
    SDL_DestroyRenderer(renderer);
    return drew ? height : -1;
}

const platform::OverlayPanel Paused{
    .place = platform::OverlayPlace::Middle,
    .linesTall = 14,
    .columns = {{"Paused: press P to go on", "일시 정지: 계속하려면 P"}}};

TEST(OverlayPainter, TextIsMadeAtTheSizeItIsShown) {
    const int small = paintedHeight(1, {.panels = {Paused}});
    const int large = paintedHeight(3, {.panels = {Paused}});
    ASSERT_GT(small, 20) << "two lines of text";
    EXPECT_NEAR(large, small * 3, small / 4) << "three times as tall, drawn at that size";
}

// The window scales the whole picture again after an overlay, so the painter must own up to one.
TEST(OverlayPainter, SaysWhetherItDrewAnything) {
    EXPECT_EQ(paintedHeight(1, {}), -1) << "nothing to draw, nothing said";
    EXPECT_GT(paintedHeight(1, {.panels = {Paused}}), 0);
}

// A ghost's ball is as many game pixels tall at every scale.
TEST(OverlayPainter, TheGhostIsScaledWithThePicture) {
    const platform::Overlay ghost{.ghost = platform::OverlayGhost{.ball = {100, 200}}};
    EXPECT_NEAR(paintedHeight(1, ghost), 7, 1);
    EXPECT_NEAR(paintedHeight(3, ghost), 21, 2);
}

}  // namespace

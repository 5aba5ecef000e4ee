// The overlay drawn over a picture: the text is made at the size it is shown, so that it is as
// sharp on a large screen as in a small window, in English and in Korean.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

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

using Canvas = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The overlay painted on a black canvas of 640 × 480 × scale; null when the painter says it drew
// nothing.
Canvas painted(int scale, const platform::Overlay& overlay) {
    Canvas canvas(
        SDL_CreateRGBSurfaceWithFormat(0, 640 * scale, 480 * scale, 32, SDL_PIXELFORMAT_ARGB8888),
        &SDL_FreeSurface);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(canvas.get());
    bool drew = false;
    {
        platform::OverlayPainter painter;
        drew = painter.paint(renderer, {0, 0, 640 * scale, 480 * scale}, overlay);
    }
    SDL_RenderPresent(renderer);
    SDL_DestroyRenderer(renderer);
    return drew ? std::move(canvas) : Canvas(nullptr, &SDL_FreeSurface);
}

// The text's height in a canvas of 640 × 480 × scale; -1 when the painter says it drew nothing.
int paintedHeight(int scale, const platform::Overlay& overlay) {
    const Canvas canvas = painted(scale, overlay);
    return canvas ? litRows(canvas.get()) : -1;
}

// The middle of the light pixels, in the canvas's pixels.
SDL_Point litMiddle(SDL_Surface* canvas) {
    long sumX = 0;
    long sumY = 0;
    long lit = 0;
    for (int y = 0; y < canvas->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(canvas->pixels) + y * canvas->pitch);
        for (int x = 0; x < canvas->w; ++x) {
            if ((row[x] & 0xFF) > 0x80) {
                sumX += x;
                sumY += y;
                ++lit;
            }
        }
    }
    return lit == 0 ? SDL_Point{-1, -1}
                    : SDL_Point{static_cast<int>(sumX / lit), static_cast<int>(sumY / lit)};
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

// A ghost lies on the game pixel it names, at every scale.
TEST(OverlayPainter, TheGhostIsScaledWithThePicture) {
    const platform::Overlay ghost{
        .ghost = platform::OverlayGhost{.ball = {100, 200}, .trail = {{99, 201}, {98, 202}}}};
    for (const int scale : {1, 3}) {
        const Canvas canvas = painted(scale, ghost);
        ASSERT_TRUE(canvas);
        const SDL_Point middle = litMiddle(canvas.get());
        EXPECT_NEAR(middle.x, 100.5 * scale, scale + 1) << scale;
        EXPECT_NEAR(middle.y, 200.5 * scale, scale + 1) << scale;
    }
}

}  // namespace

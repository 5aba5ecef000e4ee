// Scaling through the real present path, read back from the SDL window under the dummy video
// driver: sharp scaling gives every picture column and row the same share of the screen at any
// scale, nearest scaling shows exactly what SDL's own scaling showed, and whole multiples are the
// same either way.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/picture/PictureFit.h"
#include "platform/sdl/SdlWindow.h"
#include "tests/platform/ShownPixels.h"

namespace {

using platform::Scaling;

constexpr int Width = 16;
constexpr int Height = 12;
constexpr std::uint16_t White = 0xFFFF;
constexpr std::uint16_t Black = 0x0000;

std::vector<std::uint16_t> pictureOf(const std::function<std::uint16_t(int x, int y)>& pixel) {
    std::vector<std::uint16_t> picture;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            picture.push_back(pixel(x, y));
        }
    }
    return picture;
}

std::uint16_t columnStripes(int x, int) {
    return x % 2 == 0 ? White : Black;
}
std::uint16_t rowStripes(int, int y) {
    return y % 2 == 0 ? White : Black;
}
std::uint16_t checkerboard(int x, int y) {
    return (x + y) % 2 == 0 ? White : Black;
}

// What the window shows of the picture: its red channel from 0 to 1, row by row.
struct Shown {
    int width = 0;
    int height = 0;
    std::vector<double> red;

    double at(int x, int y) const { return red[static_cast<std::size_t>(y * width + x)]; }
};

// The picture presented in a window of the given size (nothing else done to it), read back in
// the window's own pixels.
std::vector<std::uint32_t> presented(const std::vector<std::uint16_t>& picture, int windowWidth,
                                     int windowHeight, Scaling scaling, RECT& fit,
                                     bool wholeMultiples = false) {
    const auto window = sdltest::windowOf(windowWidth, windowHeight, scaling, wholeMultiples);
    if (window == nullptr) {
        return {};
    }
    EXPECT_EQ(window->present({picture.data(), Width, Height, Width * 2}), S_OK);
    fit = platform::fitPicture(Width, Height, windowWidth, windowHeight, wholeMultiples);
    const SDL_Rect area{fit.left, fit.top, fit.right - fit.left, fit.bottom - fit.top};
    return sdltest::shownIn(*window, &area);
}

Shown shown(const std::vector<std::uint16_t>& picture, int windowWidth, int windowHeight,
            Scaling scaling) {
    RECT fit{};
    const std::vector<std::uint32_t> pixels =
        presented(picture, windowWidth, windowHeight, scaling, fit);
    Shown result{fit.right - fit.left, fit.bottom - fit.top, {}};
    for (const std::uint32_t pixel : pixels) {
        result.red.push_back(((pixel >> 16) & 0xFF) / 255.0);
    }
    return result;
}

// Along a line of screen pixels across alternating white and black picture pixels (white first),
// each picture pixel's coverage: its whole screen pixels, plus its share of each mixed one.
std::vector<double> coverage(const std::vector<double>& line, std::size_t pictureSize) {
    std::vector<double> covered(pictureSize + 1, 0.0);
    std::size_t current = 0;
    for (const double red : line) {
        const double share = current % 2 == 0 ? red : 1.0 - red;
        covered[current] += share;
        if (share < 1.0 - 0.5 / 255) {  // the rest belongs to the next picture pixel
            covered[++current] += 1.0 - share;
        }
    }
    EXPECT_EQ(current + 1, pictureSize) << "every picture pixel met, once";
    covered.resize(pictureSize);
    return covered;
}

// The largest difference between a picture pixel's coverage and the scale, over every line
// across the picture's columns (or, with `acrossRows`, down its rows) that `use` picks.
double worstCoverage(const Shown& screen, bool acrossRows, double scale,
                     const std::function<bool(const std::vector<double>&)>& use) {
    const int lines = acrossRows ? screen.width : screen.height;
    const int length = acrossRows ? screen.height : screen.width;
    double worst = 0;
    int used = 0;
    for (int l = 0; l < lines; ++l) {
        std::vector<double> line;
        for (int i = 0; i < length; ++i) {
            line.push_back(acrossRows ? screen.at(l, i) : screen.at(i, l));
        }
        if (!use(line)) {
            continue;
        }
        // A line that starts on black: flipped, so that it starts on white.
        if (line.front() < 0.5) {
            for (double& red : line) {
                red = 1.0 - red;
            }
        }
        ++used;
        for (const double covered : coverage(line, acrossRows ? Height : Width)) {
            worst = std::max(worst, std::abs(covered - scale));
        }
    }
    EXPECT_GT(used, 0);
    return worst;
}

bool anyLine(const std::vector<double>&) {
    return true;
}
// On a checkerboard: a line that lies within one picture row (or column), a white pixel whole.
bool withinOnePictureLine(const std::vector<double>& line) {
    return std::find(line.begin(), line.end(), 1.0) != line.end();
}

TEST(SharpScaling, EveryPictureColumnAndRowCoversTheScaleAt1_5And2_25) {
    for (const double scale : {1.5, 2.25}) {
        const int windowWidth = static_cast<int>(Width * scale);
        const int windowHeight = static_cast<int>(Height * scale);
        const Shown columns =
            shown(pictureOf(columnStripes), windowWidth, windowHeight, Scaling::Sharp);
        EXPECT_LE(worstCoverage(columns, false, scale, anyLine), 0.1) << scale;
        const Shown rows = shown(pictureOf(rowStripes), windowWidth, windowHeight, Scaling::Sharp);
        EXPECT_LE(worstCoverage(rows, true, scale, anyLine), 0.1) << scale;
        const Shown board =
            shown(pictureOf(checkerboard), windowWidth, windowHeight, Scaling::Sharp);
        EXPECT_LE(worstCoverage(board, false, scale, withinOnePictureLine), 0.1) << scale;
        EXPECT_LE(worstCoverage(board, true, scale, withinOnePictureLine), 0.1) << scale;
    }
}

TEST(SharpScaling, BelowOneTimesNeighboursAreMixed) {
    const Shown half = shown(pictureOf(columnStripes), Width / 2, Height / 2, Scaling::Sharp);
    for (const double red : half.red) {
        EXPECT_NEAR(red, 0.5, 0.01);
    }
}

// What SDL's own renderer showed before: the picture converted to the window's pixels, then
// scaled by SDL's nearest-pixel stretch.
std::vector<std::uint32_t> scaledBySdl(std::vector<std::uint16_t> picture, int width, int height) {
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(picture.data(), Width, Height, 16,
                                                             Width * 2, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(source, SDL_PIXELFORMAT_RGB888, 0);
    SDL_Surface* scaled =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Rect target{0, 0, width, height};
    EXPECT_EQ(SDL_BlitScaled(converted, nullptr, scaled, &target), 0) << SDL_GetError();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(scaled->pixels) + y * scaled->pitch);
        for (int x = 0; x < width; ++x) {
            pixels.push_back(row[x] & 0xFFFFFF);
        }
    }
    SDL_FreeSurface(scaled);
    SDL_FreeSurface(converted);
    SDL_FreeSurface(source);
    return pixels;
}

std::vector<std::uint32_t> withoutAlpha(std::vector<std::uint32_t> pixels) {
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

// Every colour of the 5-6-5 picture format appears somewhere.
std::uint16_t everyColour(int x, int y) {
    return static_cast<std::uint16_t>((y * Width + x) * 331 + 7);
}

TEST(NearestScaling, ShowsWhatSdlsOwnScalingShowedAtEverySize) {
    for (const auto& [windowWidth, windowHeight] :
         {std::pair{24, 18}, std::pair{36, 27}, std::pair{40, 25}, std::pair{10, 8},
          std::pair{Width, Height}}) {
        const std::vector<std::uint16_t> picture = pictureOf(everyColour);
        RECT fit{};
        const std::vector<std::uint32_t> shownPixels =
            presented(picture, windowWidth, windowHeight, Scaling::Nearest, fit);
        EXPECT_EQ(withoutAlpha(shownPixels),
                  scaledBySdl(picture, fit.right - fit.left, fit.bottom - fit.top))
            << windowWidth << " x " << windowHeight;
    }
}

TEST(SharpScaling, WholeMultiplesAreTheSameAsNearest) {
    const std::vector<std::uint16_t> picture = pictureOf(everyColour);
    RECT fit{};
    const std::vector<std::uint32_t> twice = presented(picture, 32, 24, Scaling::Sharp, fit);
    EXPECT_EQ(withoutAlpha(twice), scaledBySdl(picture, 32, 24));
    const std::vector<std::uint32_t> whole = presented(picture, 40, 30, Scaling::Sharp, fit, true);
    EXPECT_EQ(fit, (RECT{4, 3, 36, 27})) << "twice, the largest whole multiple that fits";
    EXPECT_EQ(withoutAlpha(whole), scaledBySdl(picture, 32, 24));
}

}  // namespace

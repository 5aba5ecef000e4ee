#pragma once
// A Display opened full screen at 640 × 480 × 16 on a headless window, with a virtual clock,
// and helpers to read its back buffer.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "display/Display.h"
#include "platform/Clock.h"
#include "platform/HeadlessWindow.h"
#include "platform/PixelSurface.h"

namespace displaytest {

// Raw 5-6-5 values of the colours the game's pictures use.
constexpr std::uint16_t kBlack = 0x0000;
constexpr std::uint16_t kWhite = 0xFFFF;
constexpr std::uint16_t kLightGrey = 0xC618;
constexpr std::uint16_t kGrey = 0x8410;
constexpr std::uint16_t kBlue = 0x001F;

inline std::uint16_t pixelOf(const platform::PixelSurface& surface, std::uint32_t x,
                             std::uint32_t y) {
    return surface.row(y)[x];
}

inline std::vector<std::uint16_t> pixelsOf(const platform::PixelSurface& surface) {
    std::vector<std::uint16_t> pixels;
    const auto& size = surface.description();
    for (std::uint32_t y = 0; y < size.height; ++y) {
        pixels.insert(pixels.end(), surface.row(y), surface.row(y) + size.width);
    }
    return pixels;
}

class OpenDisplay : public ::testing::Test {
  protected:
    OpenDisplay() {
        platform::installClock(clock);
        EXPECT_EQ(screen.openFullScreen(&window, 640, 480, 16), S_OK);
    }
    ~OpenDisplay() override { platform::installClock(previousClock); }

    std::uint16_t back(std::uint32_t x, std::uint32_t y) const {
        return pixelOf(*screen.backBuffer, x, y);
    }
    std::vector<std::uint16_t> backPixels() const { return pixelsOf(*screen.backBuffer); }

    // A Surface of the given size whose pixel (x, y) holds x + 16 * y + 1.
    std::unique_ptr<Surface> numbered(std::uint32_t width, std::uint32_t height) {
        auto surface = std::make_unique<Surface>();
        const platform::SurfaceDesc desc{.width = width, .height = height};
        EXPECT_EQ(surface->allocate(screen.directDraw, &desc), S_OK);
        for (std::uint32_t y = 0; y < height; ++y) {
            for (std::uint32_t x = 0; x < width; ++x) {
                surface->platformSurface()->row(y)[x] = static_cast<std::uint16_t>(x + 16 * y + 1);
            }
        }
        return surface;
    }

    // Surfaces made through the factories, deleted with the test.
    Surface* keep(Surface* surface) {
        kept.emplace_back(surface);
        return surface;
    }

    platform::Clock& previousClock = platform::clock();
    platform::VirtualClock clock;
    platform::HeadlessWindow window;
    Display screen;
    std::vector<std::unique_ptr<Surface>> kept;
};

}  // namespace displaytest

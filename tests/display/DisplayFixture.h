#pragma once
// A Display opened full screen at 640 × 480 × 16 on a headless window, with a virtual clock,
// and helpers to make Surfaces and read pixels.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "assets/ResourceIds.h"
#include "display/Display.h"
#include "display/device/PixelSurface.h"
#include "platform/sdl/HeadlessWindow.h"
#include "platform/seams/Clock.h"

namespace displaytest {

// The trail-dot strip, 12 × 3: white, light grey, grey and black dots on key blue.
constexpr int TrailDots = resource::TrailDotsBitmap;

// Raw 5-6-5 values of the colours the game's pictures use.
constexpr std::uint16_t Black = 0x0000, White = 0xFFFF, LightGrey = 0xC618, Grey = 0x8410,
                        Blue = 0x001F;

// The pixels of width × height from (left, top), row by row; a 0 size reaches the edge.
inline std::vector<std::uint16_t> pixelsOf(const device::PixelSurface& surface,
                                           std::uint32_t left = 0, std::uint32_t top = 0,
                                           std::uint32_t width = 0, std::uint32_t height = 0) {
    width = width == 0 ? surface.description().width - left : width;
    height = height == 0 ? surface.description().height - top : height;
    std::vector<std::uint16_t> pixels;
    for (std::uint32_t y = top; y < top + height; ++y) {
        pixels.insert(pixels.end(), surface.row(y) + left, surface.row(y) + left + width);
    }
    return pixels;
}

// The bytes written to the file at path, whose name is given back for a loader to read.
inline const char* writtenTo(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.c_str();
}

// A virtual clock whose waits can wake late, keeping what each present counts toward the next
// sleep.
class PacingClock : public platform::VirtualClock {
  public:
    void sleepUntilNs(std::uint64_t deadlineNs) override {
        VirtualClock::sleepUntilNs(deadlineNs + wakeLateNs);
    }
    void countTowardNextSleep(std::uint64_t ns) override { counted.push_back(ns); }
    std::uint64_t wakeLateNs = 0;
    std::vector<std::uint64_t> counted;
};

class OpenDisplay : public ::testing::Test {
  protected:
    OpenDisplay() {
        platform::installClock(clock);
        EXPECT_EQ(screen.openFullScreen(&window, 640, 480, 16), S_OK);
    }
    ~OpenDisplay() override { platform::installClock(previousClock); }

    std::uint16_t back(std::uint32_t x, std::uint32_t y) const {
        return screen.backBuffer->row(y)[x];
    }
    static std::array<std::uint32_t, 2> sizeOf(const Surface* surface) {
        return {surface->description().width, surface->description().height};
    }

    // The factory's Surface for a bitmap, deleted with the test.
    Surface* bitmap(device::BitmapName name, std::uint32_t width = 0, std::uint32_t height = 0) {
        Surface* made = nullptr;
        EXPECT_EQ(screen.newBitmapSurface(&made, name, width, height), S_OK);
        return kept.emplace_back(made).get();
    }

    // A Surface whose pixel (x, y) holds x + 16 * y + 1.
    Surface* numbered(std::uint32_t width, std::uint32_t height) {
        const device::SurfaceDesc desc{.width = width, .height = height};
        Surface* surface = kept.emplace_back(std::make_unique<Surface>()).get();
        EXPECT_EQ(surface->allocate(screen.directDraw, &desc), S_OK);
        for (std::uint32_t y = 0; y < height; ++y) {
            for (std::uint32_t x = 0; x < width; ++x) {
                surface->platformSurface()->row(y)[x] = static_cast<std::uint16_t>(x + 16 * y + 1);
            }
        }
        return surface;
    }

    platform::Clock& previousClock = platform::clock();
    PacingClock clock;
    platform::HeadlessWindow window;
    Display screen;
    std::vector<std::unique_ptr<Surface>> kept;
};

}  // namespace displaytest

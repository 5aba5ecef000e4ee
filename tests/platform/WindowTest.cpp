// The windows the display presents into: the headless one that keeps pictures, and the SDL
// one, read back through its renderer under SDL's dummy video driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/HeadlessWindow.h"
#include "platform/PictureFit.h"
#include "platform/SdlWindow.h"

namespace {

// A 4 × 3 picture whose rows are padded to 6 pixels, the padding filled with a value no test
// expects to see.
struct PaddedPicture {
    static constexpr std::uint32_t kWidth = 4;
    static constexpr std::uint32_t kHeight = 3;
    static constexpr std::uint32_t kStride = 6;
    PaddedPicture() {
        pixels.fill(0xDEAD);
        for (std::uint32_t y = 0; y < kHeight; ++y) {
            for (std::uint32_t x = 0; x < kWidth; ++x) {
                pixels[y * kStride + x] = static_cast<std::uint16_t>(0xF800 >> (x + y));
            }
        }
    }
    platform::PictureView view() const {
        return {.pixels = pixels.data(),
                .width = kWidth,
                .height = kHeight,
                .pitch = kStride * sizeof(std::uint16_t)};
    }
    std::uint16_t at(std::uint32_t x, std::uint32_t y) const { return pixels[y * kStride + x]; }
    std::array<std::uint16_t, kStride * kHeight> pixels{};
};

TEST(HeadlessWindow, KeepsTheLastPictureWithoutItsRowPadding) {
    platform::HeadlessWindow window;
    EXPECT_EQ(window.pictureWidth(), 0u);
    const PaddedPicture picture;
    ASSERT_EQ(window.present(picture.view()), S_OK);
    ASSERT_EQ(window.present(picture.view()), S_OK);
    EXPECT_EQ(window.presentCount(), 2u);
    ASSERT_EQ(window.pictureWidth(), 4u);
    ASSERT_EQ(window.pictureHeight(), 3u);
    for (std::uint32_t y = 0; y < 3; ++y) {
        for (std::uint32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(window.pixel(x, y), picture.at(x, y));
        }
    }
    EXPECT_EQ(window.present({}), E_INVALIDARG);
}

TEST(HeadlessWindow, TracksWindowedAndFullScreenBounds) {
    platform::HeadlessWindow window(800, 600);
    window.showWindowed(640, 480);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.clientBounds(), (RECT{0, 0, 640, 480}));
    window.setFullScreen(true);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.clientBounds(), (RECT{0, 0, 800, 600}));
    EXPECT_EQ(window.screenBounds(), (RECT{0, 0, 800, 600}));
    window.showWindowed(320, 200);
    EXPECT_FALSE(window.isFullScreen());
}

TEST(HeadlessWindow, ScreenshotIsABmpWithThePicturesColours) {
    platform::HeadlessWindow window;
    const auto path = (std::filesystem::temp_directory_path() /
                       ("tb_window_shot_" + std::to_string(::getpid()) + ".bmp"))
                          .string();
    EXPECT_FALSE(window.saveBmp(path.c_str())) << "nothing presented yet";
    const PaddedPicture picture;
    ASSERT_EQ(window.present(picture.view()), S_OK);
    ASSERT_TRUE(window.saveBmp(path.c_str()));
    EXPECT_FALSE(window.saveBmp("/nonexistent-directory/shot.bmp"));

    SDL_Surface* read = SDL_LoadBMP(path.c_str());
    ASSERT_NE(read, nullptr);
    SDL_Surface* asRgb565 = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGB565, 0);
    SDL_FreeSurface(read);
    ASSERT_NE(asRgb565, nullptr);
    ASSERT_EQ(asRgb565->w, 4);
    ASSERT_EQ(asRgb565->h, 3);
    for (int y = 0; y < 3; ++y) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(
            static_cast<const std::uint8_t*>(asRgb565->pixels) + y * asRgb565->pitch);
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(row[x],
                      picture.at(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)));
        }
    }
    SDL_FreeSurface(asRgb565);
    std::filesystem::remove(path);
}

TEST(PictureFit, ScalesToTheTighterSideAndCentres) {
    EXPECT_EQ(platform::fitPicture(640, 480, 1920, 1080), (RECT{240, 0, 1680, 1080}));
    EXPECT_EQ(platform::fitPicture(640, 480, 1024, 768), (RECT{0, 0, 1024, 768}));
    EXPECT_EQ(platform::fitPicture(640, 480, 640, 1024), (RECT{0, 272, 640, 752}));
    EXPECT_EQ(platform::fitPicture(640, 480, 641, 480), (RECT{0, 0, 640, 480}));
    EXPECT_EQ(platform::fitPicture(640, 480, 0, 480), (RECT{}));
    EXPECT_EQ(platform::fitPicture(0, 480, 640, 480), (RECT{}));
}

class SdlWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        window = platform::SdlWindow::create("tilebounce test", error);
        ASSERT_NE(window, nullptr) << error;
    }

    // The colour the renderer shows at (x, y), as 5-6-5.
    std::uint16_t shown(int x, int y) {
        std::uint16_t value = 0;
        SDL_Rect one{x, y, 1, 1};
        EXPECT_EQ(SDL_RenderReadPixels(window->sdlRenderer(), &one, SDL_PIXELFORMAT_RGB565, &value,
                                       sizeof value),
                  0)
            << SDL_GetError();
        return value;
    }

    std::unique_ptr<platform::SdlWindow> window;
};

TEST_F(SdlWindowTest, WindowedShowsThePictureStretchedOverTheClientArea) {
    window->showWindowed(8, 6);
    EXPECT_FALSE(window->isFullScreen());
    const RECT client = window->clientBounds();
    EXPECT_EQ(client.right - client.left, 8);
    EXPECT_EQ(client.bottom - client.top, 6);

    const PaddedPicture picture;
    ASSERT_EQ(window->present(picture.view()), S_OK);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(shown(x, y), picture.at(static_cast<std::uint32_t>(x / 2),
                                              static_cast<std::uint32_t>(y / 2)))
                << x << "," << y;
        }
    }
}

TEST_F(SdlWindowTest, FullScreenCoversTheDesktopWithoutChangingItsMode) {
    SDL_DisplayMode before{};
    ASSERT_EQ(SDL_GetCurrentDisplayMode(0, &before), 0);
    window->setFullScreen(true);
    EXPECT_TRUE(window->isFullScreen());
    const RECT screen = window->screenBounds();
    EXPECT_EQ(screen, (RECT{0, 0, before.w, before.h}));

    const PaddedPicture picture;
    ASSERT_EQ(window->present(picture.view()), S_OK);
    int width = 0;
    int height = 0;
    ASSERT_EQ(SDL_GetRendererOutputSize(window->sdlRenderer(), &width, &height), 0);
    const RECT fit = platform::fitPicture(4, 3, width, height);
    EXPECT_EQ(shown(fit.left, fit.top), picture.at(0, 0));
    EXPECT_EQ(shown(fit.right - 1, fit.bottom - 1), picture.at(3, 2));

    SDL_DisplayMode after{};
    ASSERT_EQ(SDL_GetCurrentDisplayMode(0, &after), 0);
    EXPECT_EQ(after.w, before.w);
    EXPECT_EQ(after.h, before.h);
    window->setFullScreen(false);
    EXPECT_FALSE(window->isFullScreen());
}

}  // namespace

// The windows the display presents into: the headless one that keeps pictures, and the SDL
// one under SDL's dummy video driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/picture/PictureFit.h"
#include "platform/sdl/HeadlessWindow.h"
#include "platform/sdl/SdlWindow.h"
#include "tests/ScratchFolder.h"
#include "tests/platform/ShownPixels.h"
#include "winapi/WinTypes.h"

namespace {

// A 2 × 2 picture whose rows are padded to 3 pixels with a value no test expects to see.
constexpr std::array<std::uint16_t, 6> Picture = {0xF800, 0x07E0, 0xDEAD, 0x001F, 0xFFFF, 0xDEAD};
constexpr platform::PictureView View{Picture.data(), 2, 2, 3 * sizeof(std::uint16_t)};
std::uint16_t pictureAt(int x, int y) {
    return Picture[static_cast<std::size_t>(y * 3 + x)];
}

// Raw 5-6-5 value of pixel (x, y) of a surface.
std::uint16_t pixelOf(const SDL_Surface& surface, int x, int y) {
    return reinterpret_cast<const std::uint16_t*>(static_cast<const std::uint8_t*>(surface.pixels) +
                                                  y * surface.pitch)[x];
}

TEST(HeadlessWindow, KeepsTheLastPictureUnpaddedAndWritesItAsABmp) {
    platform::HeadlessWindow window;
    const ScratchFolder folder("window");
    const std::string path = (folder / "shot.bmp").string();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(window.saveBmp(out)) << "nothing presented yet";
    EXPECT_EQ(window.present({}), E_INVALIDARG);
    ASSERT_EQ(window.present(View), S_OK);
    ASSERT_EQ(window.pictureWidth(), 2u);
    ASSERT_EQ(window.pictureHeight(), 2u);
    ASSERT_TRUE(window.saveBmp(out));
    std::fclose(out);

    SDL_Surface* read = SDL_LoadBMP(path.c_str());
    ASSERT_NE(read, nullptr);
    SDL_Surface* shot = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGB565, 0);
    SDL_FreeSurface(read);
    ASSERT_NE(shot, nullptr);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(window.pixel(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)),
                      pictureAt(x, y));
            EXPECT_EQ(pixelOf(*shot, x, y), pictureAt(x, y));
        }
    }
    SDL_FreeSurface(shot);
}

TEST(PictureFit, ScalesToTheTighterSideAndCentres) {
    EXPECT_EQ(platform::fitPicture(640, 480, 1920, 1080), (RECT{240, 0, 1680, 1080}));
    EXPECT_EQ(platform::fitPicture(640, 480, 1024, 768), (RECT{0, 0, 1024, 768}));
    EXPECT_EQ(platform::fitPicture(640, 480, 640, 1024), (RECT{0, 272, 640, 752}));
    EXPECT_EQ(platform::fitPicture(640, 480, 641, 480), (RECT{0, 0, 640, 480}));
    EXPECT_EQ(platform::fitPicture(640, 480, 0, 480), (RECT{}));
}

TEST(PictureFit, WholeMultiplesOnlyWhenAskedAndWhenOneFits) {
    EXPECT_EQ(platform::fitPicture(640, 480, 1920, 1080, true), (RECT{320, 60, 1600, 1020}));
    EXPECT_EQ(platform::fitPicture(640, 480, 1280, 960, true), (RECT{0, 0, 1280, 960}));
    EXPECT_EQ(platform::fitPicture(640, 480, 1279, 1000, true), (RECT{319, 260, 959, 740}));
    EXPECT_EQ(platform::fitPicture(640, 480, 320, 240, true), (RECT{0, 0, 320, 240}))
        << "smaller than the picture: as large as fits";
}

// The player's window is kept by its client area, and Alt+Enter goes by whether it is at full
// screen.
TEST(SdlWindow, KnowsItsClientAreaAndWhetherItIsAtFullScreen) {
    const auto window = sdltest::windowOf(8, 6, platform::Scaling::Sharp);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isFullScreen());
    const RECT client = window->clientBounds();
    EXPECT_EQ(client.right - client.left, 8);
    EXPECT_EQ(client.bottom - client.top, 6);

    SDL_DisplayMode desktop{};
    ASSERT_EQ(SDL_GetCurrentDisplayMode(0, &desktop), 0);
    window->setFullScreen(true);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_EQ(window->screenBounds(), (RECT{0, 0, desktop.w, desktop.h}));
    window->setFullScreen(false);
    EXPECT_FALSE(window->isFullScreen());
}

}  // namespace

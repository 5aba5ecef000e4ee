// The game's window as the player set it up, over a headless window: the player's size, place
// and mode win over the game's requests, and what the player changes is kept.
#include <gtest/gtest.h>

#include "platform/sdl/HeadlessWindow.h"
#include "shell/DesktopWindow.h"
#include "shell/ForwardingWindow.h"

namespace {

constexpr std::uint16_t Pixel = 0;
constexpr platform::PictureView Picture{&Pixel, 1, 1, 2};

struct Opened {
    platform::HeadlessWindow* shown;
    std::unique_ptr<DesktopWindow> window;
};

// Opened as the game opens it: a 640 × 480 window, then full screen, then the title shown.
Opened openAsTheGameDoes(const WindowChoice& choice) {
    auto headless = std::make_unique<platform::HeadlessWindow>(1920, 1080);
    Opened opened{headless.get(), std::make_unique<DesktopWindow>(std::move(headless), choice)};
    opened.window->showWindowed(640, 480);
    opened.window->setFullScreen(true);
    opened.window->present(Picture);
    return opened;
}

TEST(DesktopWindow, TheGameGetsThePlayersModeSizeAndPlace) {
    const Opened full = openAsTheGameDoes({});
    EXPECT_TRUE(full.shown->isFullScreen());
    full.window->setFullScreen(false);
    EXPECT_EQ(full.shown->clientBounds(), (RECT{0, 0, 640, 480}));
    EXPECT_EQ(full.window->choice(), WindowChoice{}) << "nothing the player changed";

    const WindowChoice windowed{
        .fullScreen = false, .width = 1280, .height = 960, .x = 30, .y = 40};
    const Opened window = openAsTheGameDoes(windowed);
    EXPECT_FALSE(window.shown->isFullScreen());
    EXPECT_EQ(window.shown->clientBounds(), (RECT{30, 40, 1310, 1000}));
    EXPECT_EQ(window.window->choice(), windowed);
}

TEST(DesktopWindow, KeepsTheModeTheSizeAndThePlaceThePlayerChose) {
    const Opened opened = openAsTheGameDoes({false, 0, 0, {}, {}});
    opened.window->toggleFullScreen();
    EXPECT_TRUE(opened.shown->isFullScreen());
    EXPECT_TRUE(opened.window->choice().fullScreen);
    EXPECT_EQ(opened.window->choice().x, std::nullopt) << "the window was not moved";

    opened.window->toggleFullScreen();
    opened.shown->showWindowed(800, 600);  // the player resizes and moves it
    opened.shown->moveTo(5, 6);
    const WindowChoice moved{.fullScreen = false, .width = 800, .height = 600, .x = 5, .y = 6};
    EXPECT_EQ(opened.window->choice(), moved);
    opened.window->toggleFullScreen();
    EXPECT_EQ(opened.window->choice(), (WindowChoice{true, 800, 600, 5, 6}))
        << "the window as last seen";
}

// A desktop that puts the window where it likes each time it becomes a window, as a window
// manager does after the game has asked for its place.
class PlacingDesktop final : public ForwardingWindow {
  public:
    using ForwardingWindow::ForwardingWindow;
    void setFullScreen(bool fullScreen) override {
        ForwardingWindow::setFullScreen(fullScreen);
        if (!fullScreen) {
            shown().moveTo(200, 100);
            placed_ = shown().clientBounds();
        }
    }
    std::optional<RECT> placedBounds() const override { return placed_; }

  private:
    std::optional<RECT> placed_;
};

TEST(DesktopWindow, TheDesktopsPlacementIsNotThePlayersChangeButAMoveBeforeFullScreenIs) {
    auto headless = std::make_unique<platform::HeadlessWindow>(1920, 1080);
    platform::HeadlessWindow& shown = *headless;
    DesktopWindow window(std::make_unique<PlacingDesktop>(std::move(headless)),
                         {false, 0, 0, {}, {}});
    window.showWindowed(640, 480);
    window.setFullScreen(true);
    window.present(Picture);
    EXPECT_EQ(shown.clientBounds(), (RECT{200, 100, 840, 580}));
    EXPECT_EQ(window.choice(), (WindowChoice{false, 0, 0, {}, {}})) << "the desktop placed it";

    shown.moveTo(5, 6);  // the player moves it, then goes full screen and back
    window.toggleFullScreen();
    window.toggleFullScreen();
    EXPECT_EQ(shown.clientBounds(), (RECT{200, 100, 840, 580})) << "placed anew";
    EXPECT_EQ(window.choice(), (WindowChoice{false, 640, 480, 5, 6}));
}

}  // namespace

// Opening, releasing and presenting: what the Display holds in each state and what the window
// is asked to do.
#include <gtest/gtest.h>

#include "display/Display.h"
#include "platform/FrontBuffer.h"
#include "platform/PixelDevice.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

TEST(UnopenedDisplay, DrawingAnswersEPointerAndMissingArgumentsEInvalidArg) {
    platform::HeadlessWindow window;
    Display opened;
    ASSERT_EQ(opened.openFullScreen(&window, 640, 480, 16), S_OK);
    Surface* text = nullptr;
    ASSERT_EQ(opened.newTextSurface(&text, nullptr, "x", 0, 0xFFFFFF), S_OK);
    const std::unique_ptr<Surface> owned(text);

    Display empty;
    EXPECT_EQ(empty.present(), E_POINTER);
    EXPECT_EQ(empty.clear(0), E_POINTER);
    EXPECT_EQ(empty.blit(0, 0, text, nullptr), E_POINTER);
    EXPECT_EQ(empty.blitRaw(0, 0, text->platformSurface(), nullptr, 0), E_POINTER);
    EXPECT_EQ(empty.blit(0, 0, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(empty.refreshBounds(), S_OK);

    Surface* made = text;
    EXPECT_EQ(empty.newBitmapSurface(&made, 101, 0, 0), E_INVALIDARG);
    EXPECT_EQ(empty.newTextSurface(&made, nullptr, "x", 0, 0), E_INVALIDARG);
    EXPECT_EQ(made, text) << "arguments are checked before the result is touched";
    EXPECT_EQ(empty.releaseAll(), S_OK);
}

TEST(OpenedDisplay, BlitOfANullOrEmptySourceDrawsNothing) {
    platform::HeadlessWindow window;
    Display opened;
    ASSERT_EQ(opened.openFullScreen(&window, 640, 480, 16), S_OK);
    const Surface empty;
    EXPECT_EQ(opened.blit(0, 0, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(opened.blit(0, 0, &empty, nullptr), E_INVALIDARG);
    EXPECT_EQ(opened.blitRaw(0, 0, nullptr, nullptr, 0), E_INVALIDARG);
}

TEST(OpenedDisplay, WindowedOpenSizesTheClientAreaAndFullScreenTakesTheScreen) {
    platform::HeadlessWindow window(1280, 1024);
    Display opened;
    ASSERT_EQ(opened.openWindowed(&window, 640, 480), S_OK);
    EXPECT_EQ(opened.windowed, 1);
    EXPECT_EQ(opened.window, &window);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(opened.bounds, (RECT{0, 0, 640, 480}));
    EXPECT_EQ(opened.backBuffer->description().width, 640u);
    EXPECT_EQ(opened.backBuffer->description().height, 480u);

    ASSERT_EQ(opened.openFullScreen(&window, 640, 480, 16), S_OK);
    EXPECT_EQ(opened.windowed, 0);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(opened.bounds, (RECT{0, 0, 1280, 1024}));
    EXPECT_EQ(opened.backBuffer->description().bitCount, 16u);

    EXPECT_EQ(opened.releaseAll(), S_OK);
    EXPECT_FALSE(window.isFullScreen()) << "the desktop is back in normal use";
    EXPECT_EQ(opened.directDraw, nullptr);
    EXPECT_EQ(opened.frontBuffer, nullptr);
    EXPECT_EQ(opened.backBuffer, nullptr);
}

// Each reference the Display held must have been released exactly once: the test's own extra
// reference is then the last one.
TEST(OpenedDisplay, ASecondOpenReleasesEverythingTheFirstHeld) {
    platform::HeadlessWindow window;
    Display opened;
    ASSERT_EQ(opened.openWindowed(&window, 640, 480), S_OK);
    platform::PixelDevice* device = opened.directDraw;
    platform::FrontBuffer* front = opened.frontBuffer;
    platform::PixelSurface* back = opened.backBuffer;
    device->addRef();
    front->addRef();
    back->addRef();

    ASSERT_EQ(opened.openFullScreen(&window, 640, 480, 16), S_OK);
    EXPECT_NE(opened.directDraw, device);
    EXPECT_NE(opened.backBuffer, back);
    EXPECT_EQ(back->release(), 0u);
    EXPECT_EQ(front->release(), 0u);
    EXPECT_EQ(device->release(), 0u);
}

TEST(OpenedDisplay, AFailedOpenKeepsWhatItMadeUntilTheNextOpen) {
    platform::HeadlessWindow window;
    Display opened;
    ASSERT_EQ(opened.openWindowed(&window, 640, 480), S_OK);

    EXPECT_EQ(opened.openFullScreen(&window, 640, 480, 32), E_FAIL);
    ASSERT_NE(opened.directDraw, nullptr);
    EXPECT_EQ(opened.frontBuffer, nullptr);
    EXPECT_EQ(opened.backBuffer, nullptr);
    EXPECT_EQ(opened.windowed, 1) << "window and mode stay as they were";
    EXPECT_EQ(opened.window, &window);
    platform::PixelDevice* partlyBuilt = opened.directDraw;
    partlyBuilt->addRef();

    EXPECT_EQ(opened.openFullScreen(nullptr, 640, 480, 16), E_FAIL);
    EXPECT_EQ(partlyBuilt->release(), 0u);
    EXPECT_EQ(opened.openWindowed(nullptr, 640, 480), E_FAIL);
    EXPECT_EQ(opened.openWindowed(&window, 0, 480), E_FAIL);
    EXPECT_NE(opened.frontBuffer, nullptr);
    EXPECT_EQ(opened.backBuffer, nullptr);
    EXPECT_EQ(opened.present(), E_POINTER);
}

using PresentTest = OpenDisplay;

TEST_F(PresentTest, ShowsTheBackBufferInTheWindow) {
    ASSERT_EQ(screen.clear(0x1234), S_OK);
    screen.backBuffer->row(479)[639] = 0xBEEF;
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(window.presentCount(), 1u);
    ASSERT_EQ(window.pictureWidth(), 640u);
    ASSERT_EQ(window.pictureHeight(), 480u);
    EXPECT_EQ(window.pixel(0, 0), 0x1234);
    EXPECT_EQ(window.pixel(639, 479), 0xBEEF);
}

// Presents land on a 60 Hz grid anchored at the first one.
TEST_F(PresentTest, BackToBackPresentsAreOneGridTickApart) {
    const std::uint64_t start = clock.nowNs();
    for (std::uint64_t frame = 0; frame < 4; ++frame) {
        ASSERT_EQ(screen.present(), S_OK);
        EXPECT_EQ(clock.nowNs(), start + frame * FramePacer::kTickNs);
    }
}

TEST_F(PresentTest, WorkWithinATickStillPresentsOnTheTick) {
    ASSERT_EQ(screen.present(), S_OK);
    const std::uint64_t anchor = clock.nowNs();
    clock.advanceNs(10'000'000);
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.nowNs(), anchor + FramePacer::kTickNs);
}

TEST_F(PresentTest, ALatePresentIsShownAtOnceAndTheGridMovesWithIt) {
    ASSERT_EQ(screen.present(), S_OK);
    clock.advanceNs(3 * FramePacer::kTickNs + 5'000'000);
    const std::uint64_t waitedBefore = clock.waitedNs();
    const std::uint64_t late = clock.nowNs();
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.nowNs(), late) << "no wait for a late present";
    EXPECT_EQ(clock.waitedNs(), waitedBefore);
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.nowNs(), late + FramePacer::kTickNs) << "no catching up on missed ticks";
}

}  // namespace
}  // namespace displaytest

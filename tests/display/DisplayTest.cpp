// Opening, releasing and presenting: what the Display holds in each state, what the window is
// asked to do, the pacing of presents, and the palettes and clipper on the front buffer.
#include <gtest/gtest.h>

#include "display/device/Bitmap.h"
#include "display/device/FrontBuffer.h"
#include "display/device/PixelDevice.h"
#include "display/spare/Clipper.h"
#include "display/spare/DisplaySpare.h"
#include "display/spare/Palette.h"
#include "display/spare/SurfaceSpare.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using UnopenedDisplay = OpenDisplay;

TEST_F(UnopenedDisplay, AnswersEPointerForMissingPartsAndEInvalidArgForMissingArguments) {
    Display unopened;
    Surface never;  // a Surface never made
    Surface* made = &never;
    device::Palette* palette = nullptr;
    EXPECT_EQ(unopened.present(), E_POINTER);
    EXPECT_EQ(presentNoVsync(unopened), E_POINTER);
    EXPECT_EQ(unopened.clear(0), E_POINTER);
    EXPECT_EQ(unopened.blit(0, 0, bitmap(TrailDots), nullptr), E_POINTER);
    EXPECT_EQ(blitRawKeyed(unopened, 0, 0, bitmap(TrailDots)->platformSurface(), nullptr),
              E_POINTER);
    EXPECT_EQ(newBlankSurface(unopened, &made, 4, 4), E_POINTER);
    EXPECT_EQ(presentBitmap(unopened, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(applyPalette(unopened, nullptr), E_POINTER);
    EXPECT_EQ(attachWindowClipper(unopened), E_POINTER);
    EXPECT_EQ(unopened.blit(0, 0, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(unopened.newBitmapSurface(&made, TrailDots, 0, 0), E_INVALIDARG);
    EXPECT_EQ(unopened.newTextSurface(&made, nullptr, "x", 0, 0), E_INVALIDARG);
    EXPECT_EQ(loadPalette(unopened, &palette, TrailDots), E_INVALIDARG);
    EXPECT_EQ(screen.newBitmapSurface(&made, device::BitmapName(), 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(&made, nullptr, nullptr, 0, 0), E_INVALIDARG);
    EXPECT_EQ(made, &never) << "arguments are checked before the result is touched";

    EXPECT_EQ(screen.blit(0, 0, &never, nullptr), E_INVALIDARG);
    EXPECT_EQ(screen.newBitmapSurface(nullptr, TrailDots, 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(nullptr, nullptr, "x", 0, 0), E_INVALIDARG);
    EXPECT_EQ(newBlankSurface(screen, nullptr, 4, 4), E_INVALIDARG);
    EXPECT_EQ(loadPalette(screen, nullptr, TrailDots), E_INVALIDARG);
    EXPECT_EQ(loadPalette(screen, &palette, device::BitmapName()), E_INVALIDARG);
    EXPECT_EQ(paintBitmapByName(never, TrailDots, 0, 0), E_INVALIDARG) << "no platform surface";
    EXPECT_EQ(paintBitmapByName(*bitmap(TrailDots), device::BitmapName(), 0, 0), E_INVALIDARG);
}

TEST(OpenedDisplay, WindowedThenFullScreenThenReleasedLikeTheGameDoes) {
    platform::HeadlessWindow window(1280, 1024);
    Display opened;
    ASSERT_EQ(opened.openWindowed(&window, 640, 480), S_OK);
    EXPECT_EQ(opened.windowed, 1);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(opened.bounds, (RECT{0, 0, 640, 480}));

    // Each reference the first open made is released exactly once by the second: the test's
    // own extra reference is then the last.
    device::PixelDevice* device = opened.directDraw;
    device::FrontBuffer* front = opened.frontBuffer;
    device::PixelSurface* back = opened.backBuffer;
    device->addRef();
    front->addRef();
    back->addRef();
    ASSERT_EQ(opened.openFullScreen(&window, 640, 480, 16), S_OK);
    EXPECT_EQ(back->release(), 0u);
    EXPECT_EQ(front->release(), 0u);
    EXPECT_EQ(device->release(), 0u);
    EXPECT_EQ(opened.windowed, 0);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(opened.bounds, (RECT{0, 0, 1280, 1024}));
    EXPECT_EQ(opened.backBuffer->description().width, 640u);

    opened.releaseAll();
    EXPECT_FALSE(window.isFullScreen()) << "the desktop is back in normal use";
    EXPECT_EQ(opened.directDraw, nullptr);
    EXPECT_EQ(opened.backBuffer, nullptr);
}

TEST(OpenedDisplay, AFailedOpenKeepsWhatItMadeUntilTheNextOpen) {
    platform::HeadlessWindow window;
    Display opened;
    ASSERT_EQ(opened.openWindowed(&window, 640, 480), S_OK);
    EXPECT_EQ(opened.openFullScreen(&window, 640, 480, 32), E_FAIL);
    ASSERT_NE(opened.directDraw, nullptr);
    EXPECT_EQ(opened.backBuffer, nullptr);
    EXPECT_EQ(opened.windowed, 1) << "window and mode stay as they were";
    opened.directDraw->addRef();
    device::PixelDevice* partlyBuilt = opened.directDraw;

    EXPECT_EQ(opened.openFullScreen(nullptr, 640, 480, 16), E_FAIL);
    EXPECT_EQ(partlyBuilt->release(), 0u);
    EXPECT_EQ(opened.openWindowed(nullptr, 640, 480), E_FAIL);
    EXPECT_EQ(opened.openWindowed(&window, 0, 480), E_FAIL);
    EXPECT_EQ(opened.present(), E_POINTER) << "a front buffer without a back buffer";
}

using PresentTest = OpenDisplay;

TEST_F(PresentTest, ShowsTheBackBufferOnePresentPerGridTickOrAtOnceWithoutTheWait) {
    ASSERT_EQ(screen.clear(0x1234), S_OK);
    screen.backBuffer->row(479)[639] = 0xBEEF;
    const std::uint64_t start = clock.nowNs();
    for (std::uint64_t frame = 0; frame < 3; ++frame) {
        ASSERT_EQ(screen.present(), S_OK);
        EXPECT_EQ(clock.nowNs(), start + frame * FramePacer::TickNs);
    }
    clock.advanceNs(10'000'000);  // work within a tick still presents on the tick
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.nowNs(), start + 3 * FramePacer::TickNs);

    ASSERT_EQ(window.pictureWidth(), 640u);
    EXPECT_EQ((std::array{window.pixel(0, 0), window.pixel(639, 479)}),
              (std::array<std::uint16_t, 2>{0x1234, 0xBEEF}));

    screen.backBuffer->row(0)[0] = 0x4321;  // shown at once without the grid's wait
    ASSERT_EQ(presentNoVsync(screen), S_OK);
    ASSERT_EQ(presentNoVsync(screen), S_OK);
    EXPECT_EQ(clock.nowNs(), start + 3 * FramePacer::TickNs);
    EXPECT_EQ(window.presentCount(), 6u);
    EXPECT_EQ(window.pixel(0, 0), 0x4321);
}

TEST_F(PresentTest, ALatePresentIsShownAtOnceAndTheGridMovesWithIt) {
    ASSERT_EQ(screen.present(), S_OK);
    clock.advanceNs(3 * FramePacer::TickNs + 5'000'000);
    const std::uint64_t waitedBefore = clock.waitedNs();
    const std::uint64_t late = clock.nowNs();
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.waitedNs(), waitedBefore) << "no wait for a late present";
    ASSERT_EQ(screen.present(), S_OK);
    EXPECT_EQ(clock.nowNs(), late + FramePacer::TickNs) << "no catching up on missed ticks";
}

// The pause after a present starts when the picture was due: the time from the tick the present
// waited for (woken late here) to its end is counted against it, but not the wait itself.
TEST_F(PresentTest, CountsTheTimeFromItsTickAgainstThePauseAfterIt) {
    ASSERT_EQ(screen.present(), S_OK);
    clock.wakeLateNs = 2'000'000;
    ASSERT_EQ(screen.present(), S_OK);
    clock.advanceNs(2 * FramePacer::TickNs);
    ASSERT_EQ(screen.present(), S_OK);  // late: shown at once, on its own tick
    EXPECT_EQ(clock.counted, (std::vector<std::uint64_t>{0, 2'000'000, 0}));
}

TEST_F(PresentTest, PresentBitmapStretchesItOverTheBackBufferAndAttachesThePalette) {
    const auto strip = device::Bitmap::load(TrailDots, 0,
                                            0);  // 12 × 3: white, light grey ... dots
    device::Palette* palette = device::Palette::create({});
    ASSERT_EQ(presentBitmap(screen, strip.get(), palette), S_OK);
    EXPECT_EQ(screen.frontBuffer->attached<device::Palette>(), palette);
    palette->release();
    // Each strip pixel covers 53⅓ × 160 of the screen.
    EXPECT_EQ((std::array{window.pixel(20, 100), window.pixel(80, 100), window.pixel(639, 479)}),
              (std::array{White, Blue, Black}));

    screen.backBuffer->addRef();
    EXPECT_EQ(presentBitmap(screen, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(screen.backBuffer->release(), 1u) << "the borrowed back buffer is given back";
    EXPECT_EQ(window.presentCount(), 1u);
}

TEST_F(PresentTest, PalettesAndClippersAttachToTheFrontBufferWhichHoldsTheOnlyReference) {
    device::Palette* palette = device::Palette::create({});
    ASSERT_EQ(applyPalette(screen, palette), S_OK);
    EXPECT_EQ(screen.frontBuffer->attached<device::Palette>(), palette);
    ASSERT_EQ(applyPalette(screen, nullptr), S_OK);
    EXPECT_EQ(palette->release(), 0u) << "detaching gave the front buffer's reference back";

    ASSERT_EQ(attachWindowClipper(screen), S_OK);
    device::Clipper* clipper = screen.frontBuffer->attached<device::Clipper>();
    ASSERT_NE(clipper, nullptr);
    EXPECT_EQ(clipper->window(), &window);
    EXPECT_EQ(clipper->addRef(), 2u);
    clipper->release();
}

}  // namespace
}  // namespace displaytest

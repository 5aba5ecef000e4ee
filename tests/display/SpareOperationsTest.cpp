// The operations the game never calls: presenting without the grid's wait, keyed copies of bare
// platform surfaces, blank Surfaces, bitmap display, palettes and clippers on the front buffer,
// releasing and repainting a Surface, and mask description.
#include <gtest/gtest.h>

#include "display/DescribeMask.h"
#include "platform/Clipper.h"
#include "platform/DisplayCodes.h"
#include "platform/FrontBuffer.h"
#include "platform/Palette.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using SpareOperations = OpenDisplay;

TEST_F(SpareOperations, BeforeAnOpenPartsAreMissingAndNullArgumentsAreInvalid) {
    Display unopened;
    Surface sentinel;
    Surface* made = &sentinel;
    platform::Palette* palette = nullptr;
    EXPECT_EQ(unopened.presentNoVsync(), E_POINTER);
    EXPECT_EQ(unopened.blitRawKeyed(0, 0, bitmap(101)->platformSurface(), nullptr), E_POINTER);
    EXPECT_EQ(unopened.newBlankSurface(&made, 4, 4), E_POINTER);
    EXPECT_EQ(unopened.presentBitmap(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(unopened.applyPalette(nullptr), E_POINTER);
    EXPECT_EQ(unopened.attachWindowClipper(), E_POINTER);
    EXPECT_EQ(unopened.loadPalette(&palette, 101), E_INVALIDARG);
    EXPECT_EQ(made, &sentinel) << "arguments are checked before the result is touched";

    EXPECT_EQ(screen.newBlankSurface(nullptr, 4, 4), E_INVALIDARG);
    EXPECT_EQ(screen.loadPalette(nullptr, 101), E_INVALIDARG);
    EXPECT_EQ(screen.loadPalette(&palette, platform::BitmapName()), E_INVALIDARG);
    EXPECT_EQ(sentinel.paintBitmapByName(101, 0, 0), E_INVALIDARG) << "no platform surface";
    EXPECT_EQ(bitmap(101)->paintBitmapByName(platform::BitmapName(), 0, 0), E_INVALIDARG);
}

TEST_F(SpareOperations, PresentNoVsyncShowsTheBackBufferWithoutWaitingForTheGrid) {
    ASSERT_EQ(screen.clear(0x1234), S_OK);
    ASSERT_EQ(screen.present(), S_OK);
    const std::uint64_t afterPresent = clock.nowNs();
    ASSERT_EQ(screen.presentNoVsync(), S_OK);
    ASSERT_EQ(screen.presentNoVsync(), S_OK);
    EXPECT_EQ(clock.nowNs(), afterPresent);
    EXPECT_EQ(window.presentCount(), 3u);
    EXPECT_EQ(window.pixel(639, 479), 0x1234);
}

TEST_F(SpareOperations, BlitRawKeyedSkipsTheKeyOfABarePlatformSurfaceAndRefusesEdges) {
    platform::PixelSurface* source = numbered(3, 1)->platformSurface();
    source->setSourceKey(2);
    ASSERT_EQ(screen.blitRawKeyed(10, 10, source, nullptr), S_OK);
    EXPECT_EQ(back(10, 10), 1);
    EXPECT_EQ(back(11, 10), kBlack) << "the key value is skipped";
    EXPECT_EQ(back(12, 10), 3);
    EXPECT_EQ(screen.blitRawKeyed(638, 0, source, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(back(638, 0), kBlack);
}

TEST_F(SpareOperations, NewBlankSurfaceHasTheSizeAskedForOrIsNullWhenItCannotBeMade) {
    Surface* blank = nullptr;
    ASSERT_EQ(screen.newBlankSurface(&blank, 7, 5), S_OK);
    kept.emplace_back(blank);
    EXPECT_EQ(blank->description().width, 7u);
    EXPECT_EQ(blank->description().height, 5u);
    EXPECT_EQ(screen.newBlankSurface(&blank, 0, 5), E_INVALIDARG);
    EXPECT_EQ(blank, nullptr);
}

TEST_F(SpareOperations, PresentBitmapStretchesItOverTheBackBufferAndAttachesThePalette) {
    const auto strip = platform::Bitmap::load(101, 0, 0);  // 12 × 3: white, light grey ... dots
    platform::Palette* palette = platform::Palette::create({});
    ASSERT_EQ(screen.presentBitmap(strip.get(), palette), S_OK);
    EXPECT_EQ(screen.frontBuffer->palette(), palette);
    palette->release();
    // Each strip pixel covers 53⅓ × 160 of the screen.
    EXPECT_EQ(window.pixel(20, 100), kWhite);
    EXPECT_EQ(window.pixel(80, 100), kBlue);
    EXPECT_EQ(window.pixel(639, 479), kBlack);

    screen.backBuffer->addRef();
    EXPECT_EQ(screen.presentBitmap(nullptr, nullptr), E_FAIL);
    EXPECT_EQ(screen.backBuffer->release(), 1u) << "the borrowed back buffer is given back";
    EXPECT_EQ(window.presentCount(), 1u);
}

TEST_F(SpareOperations, PalettesAndClippersAttachToTheFrontBufferWhichHoldsTheOnlyReference) {
    platform::Palette* palette = platform::Palette::create({});
    ASSERT_EQ(screen.applyPalette(palette), S_OK);
    EXPECT_EQ(screen.frontBuffer->palette(), palette);
    ASSERT_EQ(screen.applyPalette(nullptr), S_OK);
    EXPECT_EQ(palette->release(), 0u) << "detaching gave the front buffer's reference back";

    ASSERT_EQ(screen.attachWindowClipper(), S_OK);
    platform::Clipper* clipper = screen.frontBuffer->clipper();
    ASSERT_NE(clipper, nullptr);
    EXPECT_EQ(clipper->window(), &window);
    EXPECT_EQ(clipper->addRef(), 2u);
    clipper->release();
}

TEST_F(SpareOperations, ReleaseSurfaceGivesItsReferenceBackOnceAndKeepsTheKey) {
    Surface* dots = bitmap(101);
    ASSERT_EQ(dots->setSourceKey(RGB(0, 0, 255)), S_OK);
    platform::PixelSurface* held = dots->platformSurface();
    held->addRef();
    EXPECT_EQ(dots->releaseSurface(), S_OK);
    EXPECT_EQ(dots->releaseSurface(), S_OK);
    EXPECT_EQ(held->release(), 0u);
    EXPECT_EQ(dots->platformSurface(), nullptr);
    EXPECT_TRUE(dots->isKeyed());
}

TEST_F(SpareOperations, PaintBitmapByNameStretchesTheNamedBitmapOverTheSurface) {
    Surface* target = numbered(24, 6);
    ASSERT_EQ(target->paintBitmapByName(101, 0, 0), S_OK);
    const platform::PixelSurface& pixels = *target->platformSurface();
    EXPECT_EQ(pixels.row(1)[1], kWhite);
    EXPECT_EQ(pixels.row(0)[2], kBlue);
    EXPECT_EQ(pixels.row(5)[23], kBlack);
}

TEST(DescribeMask, FindsTheLowestRunOfOneBits) {
    const struct {
        std::uint32_t mask, shift, width;
    } cases[] = {{0xF800, 11, 5}, {0x07E0, 5, 6},      {0, 0, 0},
                 {0x0F0F, 0, 4},  {0x80000000, 31, 1}, {0xFFFFFFFF, 0, 32}};
    for (const auto& c : cases) {
        std::uint32_t shift = 99;
        std::uint32_t width = 99;
        ASSERT_EQ(describeMask(c.mask, &shift, &width), S_OK);
        EXPECT_EQ(shift, c.shift) << std::hex << c.mask;
        EXPECT_EQ(width, c.width) << std::hex << c.mask;
    }
    std::uint32_t result = 0;
    EXPECT_EQ(describeMask(1, nullptr, &result), E_INVALIDARG);
    EXPECT_EQ(describeMask(1, &result, nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace displaytest

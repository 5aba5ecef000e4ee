// The operations the game never calls: keyed copies of bare platform surfaces, bitmap display,
// palettes and clippers on the front buffer, and mask description.
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

TEST_F(SpareOperations, BlitRawKeyedSkipsTheKeyOfABarePlatformSurfaceAndRefusesEdges) {
    platform::PixelSurface* source = numbered(3, 1)->platformSurface();
    source->setSourceKey(2);
    ASSERT_EQ(screen.blitRawKeyed(10, 10, source, nullptr), S_OK);  // the key value skipped
    EXPECT_EQ(pixelsOf(*screen.backBuffer, 10, 10, 3, 1), (std::vector<std::uint16_t>{1, 0, 3}));
    EXPECT_EQ(screen.blitRawKeyed(638, 0, source, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(back(638, 0), kBlack);
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

// Copies into the back buffer: keyed and unkeyed, whole and part, and the refusal of every copy
// that would cross an edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "display/Display.h"
#include "platform/DisplayCodes.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using BlitTest = OpenDisplay;

TEST_F(BlitTest, NullSourceRectCopiesTheWholeSurfaceAndARectJustItsPart) {
    auto source = numbered(5, 4);
    ASSERT_EQ(screen.blit(100, 200, source.get(), nullptr), S_OK);
    for (std::uint32_t y = 0; y < 4; ++y) {
        for (std::uint32_t x = 0; x < 5; ++x) {
            EXPECT_EQ(back(100 + x, 200 + y), x + 16 * y + 1);
        }
    }
    EXPECT_EQ(back(105, 200), kBlack);
    EXPECT_EQ(back(100, 204), kBlack);

    const RECT part{2, 1, 4, 3};
    ASSERT_EQ(screen.blit(0, 0, source.get(), &part), S_OK);
    EXPECT_EQ(back(0, 0), 2 + 16 + 1);
    EXPECT_EQ(back(1, 1), 3 + 32 + 1);
    EXPECT_EQ(back(2, 0), kBlack);
    EXPECT_EQ(back(0, 2), kBlack);
}

TEST_F(BlitTest, CopiesReachingEveryEdgeExactlyAreDrawn) {
    auto source = numbered(3, 3);
    EXPECT_EQ(screen.blit(0, 0, source.get(), nullptr), S_OK);
    EXPECT_EQ(screen.blit(637, 477, source.get(), nullptr), S_OK);
    EXPECT_EQ(back(0, 0), 1);
    EXPECT_EQ(back(639, 479), 2 + 32 + 1);
}

TEST_F(BlitTest, CopiesCrossingAnyEdgeAreRefusedAndDrawNothing) {
    auto source = numbered(12, 3);
    const auto before = backPixels();
    const RECT dot{3, 0, 6, 3};
    struct Case {
        std::int32_t x, y;
        RECT rect;
    };
    const Case refused[] = {
        {-1, 100, dot},              // left edge
        {100, -1, dot},              // top edge
        {638, 100, dot},             // right edge
        {100, 478, dot},             // bottom edge
        {INT_MAX, 100, dot},         // far past the right, no wrap-around
        {-2, -2, dot},               // both
        {100, 100, {10, 0, 13, 3}},  // source rect past the source's right
        {100, 100, {0, 1, 3, 4}},    // past its bottom
        {100, 100, {-1, 0, 2, 3}},   // before its left
        {100, 100, {3, 0, 3, 3}},    // empty
        {100, 100, {6, 0, 3, 3}},    // inverted
    };
    for (const Case& c : refused) {
        EXPECT_EQ(screen.blit(c.x, c.y, source.get(), &c.rect), DDERR_INVALIDRECT)
            << c.x << "," << c.y << " rect " << c.rect.left << "," << c.rect.top;
    }
    auto wide = numbered(641, 1);
    EXPECT_EQ(screen.blit(0, 0, wide.get(), nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(backPixels(), before);
}

TEST_F(BlitTest, TrailStripKeyedOnBlueLeavesExactlyTheThreeDiagonalPixelsOfEachFrame) {
    Surface* dots = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&dots, 101, 0, 0), S_OK);
    keep(dots);
    ASSERT_EQ(dots->setSourceKey(RGB(0, 0, 255)), S_OK);
    ASSERT_EQ(dots->platformSurface()->sourceKey(), kBlue);

    const std::uint16_t background = 0x1234;
    const std::uint16_t frameColour[] = {kWhite, kLightGrey, kGrey, kBlack};
    for (std::int32_t frame = 0; frame < 4; ++frame) {
        ASSERT_EQ(screen.clear(background), S_OK);
        const RECT cell{3 * frame, 0, 3 * frame + 3, 3};
        ASSERT_EQ(screen.blit(319, 239, dots, &cell), S_OK);
        int changed = 0;
        for (std::uint32_t y = 235; y < 245; ++y) {
            for (std::uint32_t x = 315; x < 325; ++x) {
                const bool diagonal = x >= 319 && x <= 321 && x - 319 == y - 239;
                EXPECT_EQ(back(x, y), diagonal ? frameColour[frame] : background)
                    << "frame " << frame << " at " << x << "," << y;
                changed += back(x, y) != background;
            }
        }
        EXPECT_EQ(changed, 3);
    }
}

TEST_F(BlitTest, AnUnkeyedSurfaceCopiesItsKeyColourToo) {
    Surface* dots = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&dots, 101, 0, 0), S_OK);
    keep(dots);
    ASSERT_FALSE(dots->isKeyed());
    ASSERT_EQ(screen.blit(10, 10, dots, nullptr), S_OK);
    EXPECT_EQ(back(10, 10), kWhite);
    EXPECT_EQ(back(11, 10), kBlue);
    EXPECT_EQ(back(21, 12), kBlack);
    EXPECT_EQ(back(20, 12), kBlue);
}

TEST_F(BlitTest, CopiesWithinTheBackBufferMayOverlap) {
    auto source = numbered(6, 6);
    ASSERT_EQ(screen.blit(0, 0, source.get(), nullptr), S_OK);
    const RECT block{0, 0, 4, 4};
    ASSERT_EQ(screen.blitRaw(1, 1, screen.backBuffer, &block, DDBLTFAST_NOCOLORKEY), S_OK);
    for (std::uint32_t y = 0; y < 4; ++y) {
        for (std::uint32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(back(x + 1, y + 1), x + 16 * y + 1);
        }
    }

    // Keyed, the source's key-valued pixels leave what lay beneath.
    ASSERT_EQ(screen.blit(0, 0, source.get(), nullptr), S_OK);
    screen.backBuffer->setSourceKey(1);
    const RECT row{0, 0, 5, 1};
    ASSERT_EQ(screen.blitRaw(1, 0, screen.backBuffer, &row, DDBLTFAST_SRCCOLORKEY), S_OK);
    EXPECT_EQ(back(0, 0), 1);
    EXPECT_EQ(back(1, 0), 2);  // the key was skipped, not copied over it
    for (std::uint32_t x = 2; x <= 5; ++x) {
        EXPECT_EQ(back(x, 0), x);
    }
}

TEST_F(BlitTest, ClearStoresTheLowSixteenBitsOfARawValue) {
    ASSERT_EQ(screen.clear(0xFFFFFF), S_OK);
    EXPECT_EQ(back(0, 0), kWhite);
    EXPECT_EQ(back(639, 479), kWhite);
    ASSERT_EQ(screen.clear(0), S_OK);
    EXPECT_EQ(back(320, 240), kBlack);
    ASSERT_EQ(screen.clear(0x00ABCDEF), S_OK);
    const auto pixels = backPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xCDEF), 640 * 480);
}

}  // namespace
}  // namespace displaytest

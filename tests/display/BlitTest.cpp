// Copies into the back buffer: rows of any width, overlapping copies, the key of a bare platform
// surface, and the refusal of every copy that would cross an edge. The game's own copies, whole
// and part, keyed and not, reaching the screen's edges, are the flow tests' pictures.
#include <gtest/gtest.h>

#include <climits>

#include "display/device/DisplayCodes.h"
#include "display/spare/DisplaySpare.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using BlitTest = OpenDisplay;

TEST_F(BlitTest, CopiesCrossingAnyEdgeAreRefusedAndDrawNothing) {
    Surface* source = numbered(12, 3);
    const auto before = pixelsOf(*screen.backBuffer);
    const RECT dot{3, 0, 6, 3};
    const struct {
        std::int32_t x, y;
        RECT rect;
    } refused[] = {
        {-1, 100, dot},           {100, -1, dot},
        {638, 100, dot},          {100, 478, dot},
        {INT_MAX, 100, dot},      {100, 100, {10, 0, 13, 3}},
        {100, 100, {0, 1, 3, 4}}, {100, 100, {-1, 0, 2, 3}},
        {100, 100, {3, 0, 3, 3}}, {100, 100, {6, 0, 3, 3}},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(screen.blit(c.x, c.y, source, &c.rect), DDERR_INVALIDRECT)
            << c.x << "," << c.y << " from " << c.rect.left << "," << c.rect.top;
    }
    EXPECT_EQ(screen.blit(0, 0, numbered(641, 1), nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(pixelsOf(*screen.backBuffer), before);
}

// Rows go in 32-pixel chunks and a tail: widths of whole chunks, and of chunks and a tail, copy
// every pixel of every row and not one beyond.
TEST_F(BlitTest, CopiesRowsOfAnyWidthWholeAndNothingBeyond) {
    Surface* source = numbered(100, 4);
    for (const std::int32_t width : {32, 64, 69, 100}) {
        ASSERT_EQ(screen.clear(Black), S_OK);
        const RECT part{100 - width, 1, 100, 4};
        ASSERT_EQ(screen.blit(7, 9, source, &part), S_OK);
        for (std::uint32_t y = 8; y < 13; ++y) {
            for (std::uint32_t x = 6; x < 8 + static_cast<std::uint32_t>(width); ++x) {
                const bool inside =
                    x >= 7 && x < 7 + static_cast<std::uint32_t>(width) && y >= 9 && y < 12;
                const auto sourceX = x - 7 + static_cast<std::uint32_t>(part.left);
                EXPECT_EQ(back(x, y), inside ? sourceX + 16 * (y - 9 + 1) + 1 : Black)
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(BlitTest, CopiesWithinTheBackBufferMayOverlap) {
    Surface* source = numbered(6, 6);
    ASSERT_EQ(screen.blit(0, 0, source, nullptr), S_OK);
    const RECT block{0, 0, 4, 4};
    ASSERT_EQ(screen.blitRaw(1, 1, screen.backBuffer, &block, DDBLTFAST_NOCOLORKEY), S_OK);
    EXPECT_EQ(pixelsOf(*screen.backBuffer, 1, 1, 4, 4),
              pixelsOf(*source->platformSurface(), 0, 0, 4, 4));
    // Keyed and shifted right within a row: the key (1) leaves pixel 1 as it was.
    screen.backBuffer->setSourceKey(1);
    const RECT row{0, 0, 5, 1};
    ASSERT_EQ(screen.blitRaw(1, 0, screen.backBuffer, &row, DDBLTFAST_SRCCOLORKEY), S_OK);
    EXPECT_EQ(back(1, 0), 2);
    EXPECT_EQ(back(5, 0), 5);
}

TEST_F(BlitTest, BlitRawKeyedSkipsTheKeyOfABarePlatformSurfaceAndRefusesEdges) {
    device::PixelSurface* source = numbered(3, 1)->platformSurface();
    source->setSourceKey(2);
    ASSERT_EQ(blitRawKeyed(screen, 10, 10, source, nullptr), S_OK);  // the key value skipped
    EXPECT_EQ(pixelsOf(*screen.backBuffer, 10, 10, 3, 1), (std::vector<std::uint16_t>{1, 0, 3}));
    EXPECT_EQ(blitRawKeyed(screen, 638, 0, source, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(back(638, 0), Black);
}

}  // namespace
}  // namespace displaytest

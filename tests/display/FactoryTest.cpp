// The Surface factories: bitmaps built in or read from files, and lines of text.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "assets/ResourceTable.h"
#include "display/device/Text.h"
#include "display/spare/DisplaySpare.h"
#include "tests/ScratchFolder.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using FactoryTest = OpenDisplay;

// The game's pictures, whatever the generator drew, are made by the game's own reader.
TEST_F(FactoryTest, EveryBuiltInBitmapIsMade) {
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == ResourceKind::Bitmap) {
            EXPECT_NE(bitmap(resource.id), nullptr) << resource.id;
        }
    }
}

// Asked for twice its size, the strip is stretched to it.
TEST_F(FactoryTest, BuiltInAndFileBitmapsGiveTheTrailStripAtItsOwnOrAGivenSize) {
    const ScratchFolder folder("factory");
    const std::string path = folder / "dots.bmp";
    const char* copy = writtenTo(path, findResource(ResourceKind::Bitmap, TrailDots));
    const std::uint16_t colour[] = {White, LightGrey, Grey, Black};
    for (const auto& [dots, scale] : {std::pair{bitmap(TrailDots), 1u}, std::pair{bitmap(copy), 1u},
                                      std::pair{bitmap(TrailDots, 24, 6), 2u}}) {
        ASSERT_EQ(sizeOf(dots), (std::array{12 * scale, 3 * scale}));
        for (std::uint32_t y = 0; y < 3 * scale; ++y) {
            for (std::uint32_t x = 0; x < 12 * scale; ++x) {
                EXPECT_EQ(dots->platformSurface()->row(y)[x],
                          x / scale % 3 == y / scale ? colour[x / scale / 3] : Blue);
            }
        }
    }
    EXPECT_EQ(bitmap(TrailDots, 36, 0)->description().height, 3u) << "0 keeps the bitmap's own";
}

TEST_F(FactoryTest, BlankSurfacesHaveTheSizeAskedFor) {
    Surface* blank = nullptr;
    ASSERT_EQ(newBlankSurface(screen, &blank, 7, 5), S_OK);
    EXPECT_EQ(sizeOf(kept.emplace_back(blank).get()), (std::array{7u, 5u}));
}

// Broken and missing files are the hardened loaders' own test.
TEST_F(FactoryTest, WhatCannotBeMadeFailsWithANullResult) {
    Surface sentinel;
    Surface* made = &sentinel;
    EXPECT_EQ(screen.newBitmapSurface(&made, 9999, 0, 0), E_FAIL);
    EXPECT_EQ(std::exchange(made, &sentinel), nullptr);
    EXPECT_EQ(screen.newBitmapSurface(&made, TrailDots, 100000, 0), E_FAIL);
    EXPECT_EQ(std::exchange(made, &sentinel), nullptr);
    EXPECT_EQ(newBlankSurface(screen, &made, 0, 5), E_INVALIDARG);
    EXPECT_EQ(std::exchange(made, &sentinel), nullptr);
    EXPECT_EQ(screen.newTextSurface(&made, nullptr, "", 0, 0), E_INVALIDARG) << "no 0-wide box";
    EXPECT_EQ(made, nullptr);
}

TEST_F(FactoryTest, TextSurfaceIsExactlyItsTextWhiteOnAGreyBox) {
    Surface* label = nullptr;
    ASSERT_EQ(screen.newTextSurface(&label, nullptr, "Stage 12", RGB(128, 128, 128), 0xFFFFFF),
              S_OK);
    kept.emplace_back(label);
    std::int32_t width = 0;
    std::int32_t height = 0;
    ASSERT_TRUE(device::measureText(nullptr, "Stage 12", width, height));
    // A classic 16-pixel line.
    EXPECT_EQ(sizeOf(label), (std::array{static_cast<std::uint32_t>(width), 16u}));

    const auto pixels = pixelsOf(*label->platformSurface());
    const auto white = std::count(pixels.begin(), pixels.end(), White);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Grey) + white,
              static_cast<std::ptrdiff_t>(pixels.size()));
    EXPECT_GT(white, 40);
    EXPECT_EQ(pixels.front(), Grey);
}

}  // namespace
}  // namespace displaytest

// The file writers' refusals. What the generator writes is pinned byte for byte by the
// regeneration test; these are the paths that making the shipped assets never takes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "devtools/assetgen/IconFiles.h"
#include "devtools/assetgen/IndexedImage.h"
#include "devtools/assetgen/WaveFile.h"

namespace {

using assetgen::IndexedImage;
using assetgen::Rgb;

constexpr Rgb Red{255, 0, 0};

TEST(IndexedImage, IgnoresPointsOutsideAndRefusesA257thColourAndAnEmptySize) {
    IndexedImage small(3, 2, Red);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, 2}}) {
        small.plot(x, y, Rgb{0, 0, 255});
    }
    EXPECT_EQ(small.palette(), std::vector{Red});
    EXPECT_EQ(small.colourAt(0, 0), Red);
    EXPECT_EQ(small.colourAt(7, 7), Red) << "outside reads as the background";

    IndexedImage full(16, 16, Rgb{0, 0, 0});
    for (int i = 1; i < 256; ++i) {
        full.plot(i % 16, i / 16, Rgb{static_cast<std::uint8_t>(i), 0, 0});
    }
    EXPECT_EQ(full.palette().size(), 256u);
    EXPECT_THROW(full.plot(0, 0, Rgb{0, 1, 0}), std::length_error);
    EXPECT_EQ(full.colourAt(0, 0), (Rgb{0, 0, 0})) << "the refused colour changed nothing";

    EXPECT_THROW(IndexedImage(0, 5, Red), std::invalid_argument);
    EXPECT_THROW(IndexedImage(5, -1, Red), std::invalid_argument);
}

TEST(WaveFile, RefusesADepthOrRateItCannotWrite) {
    EXPECT_THROW(assetgen::encodeWaveFile({8000, 12}, {0.0}), std::invalid_argument);
    EXPECT_THROW(assetgen::encodeWaveFile({0, 8}, {0.0}), std::invalid_argument);
}

TEST(IconFiles, TakeOnlyA32By32PictureInTheStandardColours) {
    EXPECT_THROW(
        assetgen::encodeIconImage(IndexedImage(16, 16, assetgen::standardSixteenColours())),
        std::invalid_argument);
    IndexedImage offPalette(32, 32, assetgen::standardSixteenColours());
    offPalette.plot(3, 3, Rgb{1, 2, 3});
    EXPECT_THROW(assetgen::encodeIconImage(offPalette), std::invalid_argument);
    IndexedImage wrongOrder(32, 32, Rgb{255, 255, 255});
    EXPECT_THROW(assetgen::encodeIconImage(wrongOrder), std::invalid_argument);
}

}  // namespace

#include <gtest/gtest.h>

#include <stdexcept>

#include "devtools/assetgen/BitmapFile.h"
#include "devtools/assetgen/IconFiles.h"
#include "devtools/assetgen/IndexedImage.h"
#include "devtools/assetgen/WaveFile.h"
#include "tests/assets/LittleEndian.h"

namespace {

using assetgen::IndexedImage;
using assetgen::Rgb;
using testing_assets::Bitmap8;
using testing_assets::Colour;
using testing_assets::u32;

constexpr Rgb Red{255, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 255};

TEST(IndexedImage, GrowsItsPaletteUpTo256ColoursAndIgnoresPointsOutside) {
    IndexedImage image(3, 2, Red);
    image.plot(1, 1, Green);
    image.plot(1, 1, Green);
    image.plot(-1, 0, Blue);
    image.plot(3, 0, Blue);
    image.plot(0, 2, Blue);
    EXPECT_EQ(image.palette(), (std::vector{Red, Green})) << "shared; none from outside points";
    // Outside reads as the background.
    EXPECT_EQ((std::vector{image.colourAt(1, 1), image.colourAt(0, 0), image.colourAt(7, 7)}),
              (std::vector{Green, Red, Red}));

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

TEST(BitmapFile, PadsEachRowToFourBytesAndStoresRowsBottomUp) {
    IndexedImage image(5, 2, Red);  // 5 bytes a row, padded to 8
    image.plot(0, 0, Green);        // top-left
    image.plot(4, 1, Blue);         // bottom-right
    const std::vector<std::uint8_t> file = assetgen::encodeBitmapFile(image);
    EXPECT_EQ(file.size(), 14u + 40u + 1024u + 2u * 8u);
    EXPECT_EQ(u32(file, 34), 16u) << "image size";
    const Bitmap8 bitmap(file);
    EXPECT_EQ((std::vector{bitmap.pixel(0, 0), bitmap.pixel(4, 1), bitmap.pixel(4, 0)}),
              (std::vector<Colour>{{0, 255, 0}, {0, 0, 255}, {255, 0, 0}}));
    EXPECT_EQ(file[14 + 40 + 1024 + 5], 0) << "padding is zero";
    EXPECT_EQ(u32(file, 54 + 4 * 3), 0u) << "unused palette entries are zero";
}

TEST(WaveFile, ClipsRoundsAndPadsOddLengthData) {
    const std::vector<std::uint8_t> eight =
        assetgen::encodeWaveFile({8000, 8}, {0.0, 2.0, -2.0, 0.5, -0.5});
    ASSERT_EQ(eight.size(), 44u + 5u + 1u);
    EXPECT_EQ(u32(eight, 4), eight.size() - 8) << "the RIFF size counts the pad byte";
    EXPECT_EQ(u32(eight, 40), 5u) << "the data size does not";
    // 0.5 is 128 + 63.5, rounded away from zero.
    EXPECT_EQ(std::vector(eight.begin() + 44, eight.begin() + 49),
              (std::vector<std::uint8_t>{128, 255, 1, 192, 64}));

    const std::vector<std::uint8_t> sixteen = assetgen::encodeWaveFile({44100, 16}, {1.0, -1.0});
    ASSERT_EQ(sixteen.size(), 48u);
    EXPECT_EQ(testing_assets::fields(sixteen, {{44, 2}, {46, 2}}),
              (std::vector<std::uint32_t>{32767, 0x8001}));

    EXPECT_THROW(assetgen::encodeWaveFile({8000, 12}, {0.0}), std::invalid_argument);
    EXPECT_THROW(assetgen::encodeWaveFile({0, 8}, {0.0}), std::invalid_argument);
}

TEST(IconFiles, TakeOnlyA32By32PictureInTheStandardColoursAndPackTwoPixelsAByte) {
    EXPECT_THROW(
        assetgen::encodeIconImage(IndexedImage(16, 16, assetgen::standardSixteenColours())),
        std::invalid_argument);
    IndexedImage offPalette(32, 32, assetgen::standardSixteenColours());
    offPalette.plot(3, 3, Rgb{1, 2, 3});
    EXPECT_THROW(assetgen::encodeIconImage(offPalette), std::invalid_argument);
    IndexedImage wrongOrder(32, 32, Rgb{255, 255, 255});
    EXPECT_THROW(assetgen::encodeIconImage(wrongOrder), std::invalid_argument);

    IndexedImage picture(32, 32, assetgen::standardSixteenColours());
    picture.plot(0, 31, assetgen::standardSixteenColours()[9]);  // bottom-left: stored first
    picture.plot(1, 31, assetgen::standardSixteenColours()[15]);
    const std::vector<std::uint8_t> image = assetgen::encodeIconImage(picture);
    EXPECT_EQ(image[40 + 64], 0x9F);
    const std::vector<std::uint8_t> file = assetgen::encodeIconFile(image);
    ASSERT_EQ(file.size(), 22u + image.size());
    EXPECT_EQ(u32(file, 14), image.size());
    EXPECT_EQ(u32(file, 18), 22u) << "image offset";
    EXPECT_TRUE(std::equal(image.begin(), image.end(), file.begin() + 22));
}

}  // namespace

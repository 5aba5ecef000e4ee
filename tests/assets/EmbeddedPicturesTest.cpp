#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "assets/ResourceTable.h"
#include "tests/assets/LittleEndian.h"

namespace {

using testing_assets::Bitmap8;
using testing_assets::Colour;

Bitmap8 bitmapResource(int id) {
    return Bitmap8(findResource(ResourceKind::BITMAP, id));
}

constexpr Colour kBlack{0, 0, 0}, kWhite{255, 255, 255}, kLightGrey{192, 192, 192},
    kGrey{128, 128, 128}, kMaroon{128, 0, 0}, kBlue{0, 0, 255}, kNavy{0, 0, 128},
    kNearWhite{254, 254, 254};

std::set<std::tuple<int, int, int>> coloursIn(const Bitmap8& bitmap, int left, int top, int width,
                                              int height) {
    std::set<std::tuple<int, int, int>> colours;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const Colour c = bitmap.pixel(x, y);
            colours.insert({c.r, c.g, c.b});
        }
    }
    return colours;
}

struct BitmapEntry {
    int id;
    int width;
    int height;
};

class EveryBitmap : public ::testing::TestWithParam<BitmapEntry> {};

TEST_P(EveryBitmap, IsAnUncompressedBottomUp8BitFileWithA256EntryPalette) {
    const BitmapEntry entry = GetParam();
    const auto file = findResource(ResourceKind::BITMAP, entry.id);
    ASSERT_FALSE(file.empty()) << "no bitmap " << entry.id;
    const Bitmap8 bitmap(file);
    EXPECT_EQ(bitmap.width(), entry.width);
    EXPECT_EQ(bitmap.height(), entry.height);  // positive: rows bottom-up
    EXPECT_EQ(bitmap.field(14, 4), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(bitmap.field(26, 2), 1u) << "planes";
    EXPECT_EQ(bitmap.field(28, 2), 8u) << "bits per pixel";
    EXPECT_EQ(bitmap.field(30, 4), 0u) << "compression";
    EXPECT_EQ(bitmap.field(46, 4), 256u) << "palette entries";
    const std::uint32_t pixelOffset = bitmap.field(10, 4);
    EXPECT_EQ(pixelOffset, 14u + 40u + 256u * 4u);
    const std::size_t stride = (static_cast<std::size_t>(entry.width) + 3) / 4 * 4;
    EXPECT_EQ(file.size(), pixelOffset + stride * static_cast<std::size_t>(entry.height));
    EXPECT_EQ(bitmap.field(2, 4), file.size()) << "file size field";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryBitmap,
                         ::testing::Values(BitmapEntry{101, 12, 3}, BitmapEntry{102, 320, 32},
                                           BitmapEntry{113, 300, 300}, BitmapEntry{114, 416, 200},
                                           BitmapEntry{115, 221, 60}),
                         [](const auto& named) {
                             return "Bitmap" + std::to_string(named.param.id);
                         });

TEST(TrailStrip, HoldsFourDiagonalDotsFadingToBlackOnKeyBlue) {
    const Bitmap8 strip = bitmapResource(101);
    const char* rows[] = {
        "WbbLbbGbbKbb",
        "bWbbLbbGbbKb",
        "bbWbbLbbGbbK",
    };
    const auto colourOf = [](char code) {
        switch (code) {
            case 'W':
                return kWhite;
            case 'L':
                return kLightGrey;
            case 'G':
                return kGrey;
            case 'K':
                return kBlack;
            default:
                return kBlue;
        }
    };
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(strip.pixel(x, y), colourOf(rows[y][x])) << "at " << x << ", " << y;
        }
    }
}

TEST(TileSheet, UsesItsFiveColoursWithPlainBackgroundAndUnusedCells) {
    const Bitmap8 sheet = bitmapResource(102);
    const std::set<std::tuple<int, int, int>> allowed{
        {0, 0, 0}, {255, 255, 255}, {192, 192, 192}, {128, 128, 128}, {128, 0, 0}};
    for (const auto& colour : coloursIn(sheet, 0, 0, 320, 32)) {
        EXPECT_TRUE(allowed.contains(colour)) << "colour " << std::get<0>(colour) << ", "
                                              << std::get<1>(colour) << ", " << std::get<2>(colour);
    }
    EXPECT_EQ(coloursIn(sheet, 0, 0, 32, 32), (std::set<std::tuple<int, int, int>>{{0, 0, 0}}))
        << "cell 0, Empty, is the black playfield";
    EXPECT_EQ(coloursIn(sheet, 7 * 32, 0, 3 * 32, 32),
              (std::set<std::tuple<int, int, int>>{{255, 255, 255}}))
        << "cells 7 to 9 are plain white";
    EXPECT_EQ(sheet.pixel(32 + 8, 16), kMaroon) << "the Block is a maroon square";
}

TEST(TileSheet, LauncherArrowsPointOppositeWays) {
    const Bitmap8 sheet = bitmapResource(102);
    const auto isArrow = [&](int x, int y) {
        const Colour c = sheet.pixel(x, y);
        return c == kMaroon || c == kGrey;
    };
    int arrowPixels = 0;
    for (int y = 8; y < 24; ++y) {
        for (int x = 4; x < 28; ++x) {  // inside the plate's bevels
            EXPECT_EQ(isArrow(5 * 32 + x, y), isArrow(6 * 32 + 31 - x, y)) << x << ", " << y;
            arrowPixels += isArrow(5 * 32 + x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(arrowPixels, 100);
    // The left launcher's arrow tip is at its left: the tip column has arrow, the far side none.
    EXPECT_TRUE(isArrow(5 * 32 + 6, 16));
    EXPECT_FALSE(isArrow(5 * 32 + 27, 8));
}

TEST(Pictures, StandOnTheirGrounds) {
    const Bitmap8 title = bitmapResource(113);
    const Bitmap8 ending = bitmapResource(114);
    const Bitmap8 gameOver = bitmapResource(115);
    EXPECT_EQ(title.pixel(0, 0), kBlack);
    EXPECT_EQ(title.pixel(299, 40), kBlack);
    EXPECT_EQ(ending.pixel(0, 0), kNearWhite);
    EXPECT_EQ(ending.pixel(415, 199), kNearWhite);
    EXPECT_EQ(gameOver.pixel(0, 0), kBlack);
    EXPECT_EQ(gameOver.pixel(220, 59), kBlack);
}

TEST(Pictures, LetterTheEndingInNavyAndTheGameOverInGreys) {
    const Bitmap8 ending = bitmapResource(114);
    EXPECT_TRUE(coloursIn(ending, 0, 0, 416, 200).contains({0, 0, 128}));
    const Bitmap8 gameOver = bitmapResource(115);
    const auto greys = coloursIn(gameOver, 0, 0, 221, 60);
    EXPECT_TRUE(greys.contains({255, 255, 255}));
    for (const auto& [r, g, b] : greys) {
        EXPECT_TRUE(r == g && g == b) << r << ", " << g << ", " << b;
    }
    const Bitmap8 title = bitmapResource(113);
    EXPECT_GT(coloursIn(title, 0, 0, 300, 300).size(), 16u) << "a full-colour scene";
}

}  // namespace

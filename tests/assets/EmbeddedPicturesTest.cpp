#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

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

std::set<Colour> coloursIn(const Bitmap8& bitmap, int left, int top, int width, int height) {
    std::set<Colour> colours;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            colours.insert(bitmap.pixel(x, y));
        }
    }
    return colours;
}

struct BitmapEntry {
    int id;
    std::uint32_t width, height;
};

class EveryBitmap : public ::testing::TestWithParam<BitmapEntry> {};

TEST_P(EveryBitmap, IsAnUncompressedBottomUp8BitFileWithA256EntryPalette) {
    const auto [id, width, height] = GetParam();
    const auto file = findResource(ResourceKind::BITMAP, id);
    ASSERT_GE(file.size(), 54u) << "no bitmap " << id;
    // Rows padded to four bytes, stored bottom-up (a positive height), after a full palette.
    EXPECT_EQ(file.size(), 14 + 40 + 256 * 4 + (width + 3) / 4 * 4 * height);
    // File size, pixel offset, header size, width, height, planes, bits per pixel, compression,
    // palette entries.
    EXPECT_EQ(
        testing_assets::fields(
            file, {{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {46, 4}}),
        (std::vector<std::uint32_t>{static_cast<std::uint32_t>(file.size()), 14 + 40 + 1024, 40,
                                    width, height, 1, 8, 0, 256}));
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
    const char* rows[] = {"WbbLbbGbbKbb", "bWbbLbbGbbKb", "bbWbbLbbGbbK"};
    const std::map<char, Colour> colourOf = {
        {'W', kWhite}, {'L', kLightGrey}, {'G', kGrey}, {'K', kBlack}, {'b', kBlue}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(strip.pixel(x, y), colourOf.at(rows[y][x])) << "at " << x << ", " << y;
        }
    }
}

TEST(TileSheet, UsesItsFiveColoursWithPlainBackgroundAndUnusedCells) {
    const Bitmap8 sheet = bitmapResource(102);
    const std::set<Colour> allowed{kBlack, kWhite, kLightGrey, kGrey, kMaroon};
    for (const Colour& colour : coloursIn(sheet, 0, 0, 320, 32)) {
        EXPECT_TRUE(allowed.contains(colour)) << colour;
    }
    EXPECT_EQ(coloursIn(sheet, 0, 0, 32, 32), std::set{kBlack})
        << "cell 0, Empty, is the playfield";
    EXPECT_EQ(coloursIn(sheet, 7 * 32, 0, 3 * 32, 32), std::set{kWhite}) << "cells 7 to 9 unused";
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

TEST(Pictures, StandOnTheirGroundsWithTheEndingInNavyAndTheGameOverInGreys) {
    const Bitmap8 title = bitmapResource(113), ending = bitmapResource(114),
                  gameOver = bitmapResource(115);
    EXPECT_EQ((std::set{title.pixel(0, 0), title.pixel(299, 40), gameOver.pixel(0, 0),
                        gameOver.pixel(220, 59)}),
              std::set{kBlack});
    EXPECT_EQ((std::set{ending.pixel(0, 0), ending.pixel(415, 199)}), std::set{kNearWhite});
    EXPECT_TRUE(coloursIn(ending, 0, 0, 416, 200).contains(kNavy));
    const auto greys = coloursIn(gameOver, 0, 0, 221, 60);
    EXPECT_TRUE(greys.contains(kWhite));
    for (const Colour& c : greys) {
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << c;
    }
    EXPECT_GT(coloursIn(title, 0, 0, 300, 300).size(), 16u) << "a full-colour scene";
}

}  // namespace

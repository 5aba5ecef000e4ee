// The embedded assets: every bitmap, wave and the program icon, in the formats the game reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"
#include "tests/assets/LittleEndian.h"

namespace {

using testing_assets::Bitmap8;
using testing_assets::Colour;
using testing_assets::fields;
using Fields = std::vector<std::uint32_t>;

Bitmap8 bitmapResource(int id) {
    return Bitmap8(findResource(ResourceKind::Bitmap, id));
}

constexpr Colour Black{0, 0, 0}, White{255, 255, 255}, LightGrey{192, 192, 192},
    Grey{128, 128, 128}, Maroon{128, 0, 0}, Blue{0, 0, 255}, Navy{0, 0, 128},
    NearWhite{254, 254, 254};

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
    const auto file = findResource(ResourceKind::Bitmap, id);
    ASSERT_GE(file.size(), 54u) << "no bitmap " << id;
    // Rows padded to four bytes, stored bottom-up (a positive height), after a full palette.
    EXPECT_EQ(file.size(), 14 + 40 + 256 * 4 + (width + 3) / 4 * 4 * height);
    // File size, pixel offset, header size, width, height, planes, bits per pixel, compression,
    // palette entries.
    EXPECT_EQ(
        fields(file,
               {{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {46, 4}}),
        (Fields{static_cast<std::uint32_t>(file.size()), 14 + 40 + 1024, 40, width, height, 1, 8, 0,
                256}));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryBitmap,
                         ::testing::Values(BitmapEntry{resource::TrailDotsBitmap, 12, 3},
                                           BitmapEntry{resource::TileSheetBitmap, 320, 32},
                                           BitmapEntry{resource::TitleBitmap, 300, 300},
                                           BitmapEntry{resource::EndingBitmap, 416, 200},
                                           BitmapEntry{resource::GameOverBitmap, 221, 60}),
                         [](const auto& named) {
                             return "Bitmap" + std::to_string(named.param.id);
                         });

TEST(TrailStrip, HoldsFourDiagonalDotsFadingToBlackOnKeyBlue) {
    const Bitmap8 strip = bitmapResource(resource::TrailDotsBitmap);
    const char* rows[] = {"WbbLbbGbbKbb", "bWbbLbbGbbKb", "bbWbbLbbGbbK"};
    const std::map<char, Colour> colourOf = {
        {'W', White}, {'L', LightGrey}, {'G', Grey}, {'K', Black}, {'b', Blue}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(strip.pixel(x, y), colourOf.at(rows[y][x])) << "at " << x << ", " << y;
        }
    }
}

TEST(TileSheet, UsesItsFiveColoursWithPlainBackgroundUnusedCellsAndMirroredLaunchers) {
    const Bitmap8 sheet = bitmapResource(resource::TileSheetBitmap);
    const std::set<Colour> allowed{Black, White, LightGrey, Grey, Maroon};
    for (const Colour& colour : coloursIn(sheet, 0, 0, 320, 32)) {
        EXPECT_TRUE(allowed.contains(colour)) << colour;
    }
    EXPECT_EQ(coloursIn(sheet, 0, 0, 32, 32), std::set{Black}) << "cell 0, Empty, is the playfield";
    EXPECT_EQ(coloursIn(sheet, 7 * 32, 0, 3 * 32, 32), std::set{White}) << "cells 7 to 9 unused";
    EXPECT_EQ(sheet.pixel(32 + 8, 16), Maroon) << "the Block is a maroon square";

    // The launchers' arrows point opposite ways.
    const auto isArrow = [&](int x, int y) {
        const Colour c = sheet.pixel(x, y);
        return c == Maroon || c == Grey;
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
    const Bitmap8 title = bitmapResource(resource::TitleBitmap),
                  ending = bitmapResource(resource::EndingBitmap),
                  gameOver = bitmapResource(resource::GameOverBitmap);
    EXPECT_EQ((std::set{title.pixel(0, 0), title.pixel(299, 40), gameOver.pixel(0, 0),
                        gameOver.pixel(220, 59)}),
              std::set{Black});
    EXPECT_EQ((std::set{ending.pixel(0, 0), ending.pixel(415, 199)}), std::set{NearWhite});
    EXPECT_TRUE(coloursIn(ending, 0, 0, 416, 200).contains(Navy));
    const auto greys = coloursIn(gameOver, 0, 0, 221, 60);
    EXPECT_TRUE(greys.contains(White));
    for (const Colour& c : greys) {
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << c;
    }
    EXPECT_GT(coloursIn(title, 0, 0, 300, 300).size(), 16u) << "a full-colour scene";
}

struct WaveEntry {
    int id;
    std::uint32_t rate, bits, samples;
};

// The distance of one sample from silence, in steps of its own depth.
int sampleLevel(std::span<const std::uint8_t> wave, std::size_t index, std::uint32_t bits) {
    const std::uint32_t raw = testing_assets::readLe(wave, 44 + index * bits / 8, bits / 8);
    return bits == 8 ? static_cast<int>(raw) - 128 : static_cast<std::int16_t>(raw);
}

class EveryWave : public ::testing::TestWithParam<WaveEntry> {};

TEST_P(EveryWave, IsMonoPcmOfTheCataloguedRateDepthAndLengthHeardBetweenSilences) {
    const auto [id, rate, bits, samples] = GetParam();
    const auto wave = findResource(ResourceKind::Wave, id);
    ASSERT_GE(wave.size(), 44u) << "no wave " << id;
    const auto text = [&](std::ptrdiff_t at, std::ptrdiff_t n) {
        return std::string(wave.begin() + at, wave.begin() + at + n);
    };
    EXPECT_EQ(text(0, 4) + text(8, 8) + text(36, 4), "RIFFWAVEfmt data");
    // RIFF size, fmt size, PCM, channels, rate, byte rate, block align, depth, data size.
    EXPECT_EQ(
        fields(wave,
               {{4, 4}, {16, 4}, {20, 2}, {22, 2}, {24, 4}, {28, 4}, {32, 2}, {34, 2}, {40, 4}}),
        (Fields{static_cast<std::uint32_t>(wave.size() - 8), 16, 1, 1, rate, rate * bits / 8,
                bits / 8, bits, samples * bits / 8}));

    const int fullScale = bits == 8 ? 127 : 32767;
    // 8-bit samples centre on 128: a start or end off it clicks.
    EXPECT_LE(std::abs(sampleLevel(wave, 0, bits)), fullScale / 60);
    EXPECT_LE(std::abs(sampleLevel(wave, samples - 1, bits)), fullScale / 60);
    int loudest = 0;
    for (std::size_t i = 0; i < samples; ++i) {
        loudest = std::max(loudest, std::abs(sampleLevel(wave, i, bits)));
    }
    EXPECT_GT(loudest, fullScale / 2);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryWave,
                         ::testing::Values(WaveEntry{resource::BounceWave, 22050, 8, 2768},
                                           WaveEntry{resource::BrickBreakWave, 11025, 8, 12927},
                                           WaveEntry{resource::ExplosionWave, 22050, 16, 32357},
                                           WaveEntry{resource::SpringWave, 11025, 8, 6925},
                                           WaveEntry{resource::LaunchWave, 22050, 8, 10226},
                                           WaveEntry{resource::GlideBreakWave, 22050, 8, 7570},
                                           WaveEntry{resource::FallWave, 11025, 8, 5997},
                                           WaveEntry{resource::StageCardWave, 44100, 16, 57408},
                                           WaveEntry{resource::WallKickWave, 22050, 8, 8763},
                                           WaveEntry{resource::StageClearWave, 11000, 8, 9954}),
                         [](const auto& named) { return "Wave" + std::to_string(named.param.id); });

TEST(ProgramIcon, IsOne32By32SixteenColourOpaqueImageNamedByItsGroup) {
    const auto image = findResource(ResourceKind::Icon, 1);
    ASSERT_EQ(image.size(), 40u + 64u + 512u + 128u);
    // Header size, width, colour rows and mask rows, bits per pixel.
    EXPECT_EQ(fields(image, {{0, 4}, {4, 4}, {8, 4}, {14, 2}}), (Fields{40, 32, 64, 4}));
    const std::uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(testing_assets::u32(image, 40 + 4 * i), standard[i]) << "entry " << i;  // BGR0
    }
    const auto isZero = [](auto byte) { return byte == 0; };
    EXPECT_TRUE(std::all_of(image.end() - 128, image.end(), isZero)) << "every pixel opaque";
    // Maroon border all round (index 1 in both nibbles of the top row, stored last).
    const auto topRow = image.begin() + 40 + 64 + 31 * 16;
    EXPECT_TRUE(std::all_of(topRow, topRow + 16, [](auto byte) { return byte == 0x11; }));

    // Reserved, type icon, one image 32 × 32 of 16 colours, planes, depth, size, icon id.
    const auto group = findResource(ResourceKind::GroupIcon, resource::IconGroup);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(
        fields(
            group,
            {{0, 2}, {2, 2}, {4, 2}, {6, 1}, {7, 1}, {8, 1}, {10, 2}, {12, 2}, {14, 4}, {18, 2}}),
        (Fields{0, 1, 1, 32, 32, 16, 1, 4, static_cast<std::uint32_t>(image.size()), 1}));
}

}  // namespace

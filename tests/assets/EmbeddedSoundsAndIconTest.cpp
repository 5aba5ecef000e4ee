#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "assets/ResourceTable.h"
#include "tests/assets/LittleEndian.h"

namespace {

using testing_assets::fields;
using Fields = std::vector<std::uint32_t>;

struct WaveEntry {
    int id;
    std::uint32_t rate, bits, samples;
};

// The distance of one sample from silence, in steps of its own depth.
int sampleLevel(std::span<const std::uint8_t> wave, std::size_t index, std::uint32_t bits) {
    if (bits == 8) {
        return static_cast<int>(testing_assets::readLe(wave, 44 + index, 1)) - 128;
    }
    return static_cast<std::int16_t>(testing_assets::u16(wave, 44 + 2 * index));
}

class EveryWave : public ::testing::TestWithParam<WaveEntry> {};

TEST_P(EveryWave, IsMonoPcmOfTheCataloguedRateDepthAndLengthHeardBetweenSilences) {
    const auto [id, rate, bits, samples] = GetParam();
    const auto wave = findResource(ResourceKind::WAVE, id);
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

INSTANTIATE_TEST_SUITE_P(
    Catalogue, EveryWave,
    ::testing::Values(WaveEntry{103, 22050, 8, 2768}, WaveEntry{104, 11025, 8, 12927},
                      WaveEntry{105, 22050, 16, 32357}, WaveEntry{106, 11025, 8, 6925},
                      WaveEntry{107, 22050, 8, 10226}, WaveEntry{108, 22050, 8, 7570},
                      WaveEntry{109, 11025, 8, 5997}, WaveEntry{110, 44100, 16, 57408},
                      WaveEntry{111, 22050, 8, 8763}, WaveEntry{112, 11000, 8, 9954}),
    [](const auto& named) { return "Wave" + std::to_string(named.param.id); });

TEST(ProgramIcon, IsOne32By32SixteenColourOpaqueImageNamedByItsGroup) {
    const auto image = findResource(ResourceKind::ICON, 1);
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
    const auto group = findResource(ResourceKind::GROUP_ICON, 116);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(
        fields(
            group,
            {{0, 2}, {2, 2}, {4, 2}, {6, 1}, {7, 1}, {8, 1}, {10, 2}, {12, 2}, {14, 4}, {18, 2}}),
        (Fields{0, 1, 1, 32, 32, 16, 1, 4, static_cast<std::uint32_t>(image.size()), 1}));
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "assets/ResourceTable.h"
#include "tests/assets/LittleEndian.h"

namespace {

using testing_assets::u16;
using testing_assets::u32;

struct WaveEntry {
    int id;
    std::uint32_t rate;
    std::uint32_t bits;
    std::uint32_t samples;
};

// The distance of one sample from silence, in steps of its own depth.
int sampleLevel(std::span<const std::uint8_t> wave, std::size_t index, std::uint32_t bits) {
    if (bits == 8) {
        return static_cast<int>(testing_assets::readLe(wave, 44 + index, 1)) - 128;
    }
    return static_cast<std::int16_t>(u16(wave, 44 + 2 * index));
}

class EveryWave : public ::testing::TestWithParam<WaveEntry> {};

TEST_P(EveryWave, IsMonoPcmOfTheCataloguedRateDepthAndLength) {
    const WaveEntry entry = GetParam();
    const auto wave = findResource(ResourceKind::WAVE, entry.id);
    ASSERT_GE(wave.size(), 44u) << "no wave " << entry.id;
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u32(wave, 4), wave.size() - 8) << "RIFF size";
    EXPECT_EQ(u32(wave, 16), 16u) << "fmt size";
    EXPECT_EQ(u16(wave, 20), 1u) << "PCM";
    EXPECT_EQ(u16(wave, 22), 1u) << "channels";
    EXPECT_EQ(u32(wave, 24), entry.rate);
    EXPECT_EQ(u16(wave, 34), entry.bits);
    EXPECT_EQ(u16(wave, 32), entry.bits / 8) << "block align";
    EXPECT_EQ(u32(wave, 28), entry.rate * entry.bits / 8) << "byte rate";
    EXPECT_EQ(std::string(wave.begin() + 36, wave.begin() + 40), "data");
    EXPECT_EQ(u32(wave, 40), entry.samples * entry.bits / 8) << "sample count";
}

TEST_P(EveryWave, StartsAndEndsInSilenceAndIsHeardBetween) {
    const WaveEntry entry = GetParam();
    const auto wave = findResource(ResourceKind::WAVE, entry.id);
    ASSERT_GE(wave.size(), 44u);
    const int fullScale = entry.bits == 8 ? 127 : 32767;
    // 8-bit samples centre on 128: a start or end off it clicks.
    EXPECT_LE(std::abs(sampleLevel(wave, 0, entry.bits)), fullScale / 60);
    EXPECT_LE(std::abs(sampleLevel(wave, entry.samples - 1, entry.bits)), fullScale / 60);
    int loudest = 0;
    for (std::size_t i = 0; i < entry.samples; ++i) {
        loudest = std::max(loudest, std::abs(sampleLevel(wave, i, entry.bits)));
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

TEST(ProgramIcon, IsOne32By32SixteenColourImageWithAnOpaqueMask) {
    const auto image = findResource(ResourceKind::ICON, 1);
    ASSERT_EQ(image.size(), 40u + 64u + 512u + 128u);
    EXPECT_EQ(u32(image, 0), 40u);
    EXPECT_EQ(u32(image, 4), 32u);
    EXPECT_EQ(u32(image, 8), 64u) << "colour rows and mask rows";
    EXPECT_EQ(u16(image, 14), 4u) << "bits per pixel";
    const std::uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(u32(image, 40 + 4 * i), standard[i]) << "palette entry " << i;  // as BGR0
    }
    EXPECT_TRUE(std::all_of(image.end() - 128, image.end(), [](auto byte) { return byte == 0; }))
        << "every pixel opaque";
    // Maroon border all round (index 1 in both nibbles of the top row, stored last).
    const std::size_t topRow = 40 + 64 + 31 * 16;
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(image[topRow + i], 0x11) << "top row byte " << i;
    }
}

TEST(ProgramIcon, GroupNamesIconOne) {
    const auto group = findResource(ResourceKind::GROUP_ICON, 116);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(u16(group, 0), 0u);
    EXPECT_EQ(u16(group, 2), 1u) << "icons";
    EXPECT_EQ(u16(group, 4), 1u) << "one image";
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 16) << "colours";
    EXPECT_EQ(u16(group, 10), 1u) << "planes";
    EXPECT_EQ(u16(group, 12), 4u) << "bits per pixel";
    EXPECT_EQ(u32(group, 14), findResource(ResourceKind::ICON, 1).size());
    EXPECT_EQ(u16(group, 18), 1u) << "icon id";
}

}  // namespace

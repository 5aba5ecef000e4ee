#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "devtools/assetgen/Sounds.h"
#include "devtools/assetgen/Synth.h"

namespace {

TEST(NoiseSource, RepeatsPerSeedStaysInRangeAndCentresOnZero) {
    assetgen::NoiseSource first(7), again(7), other(8);
    double sum = 0;
    bool differs = false;
    for (int i = 0; i < 20000; ++i) {
        const double value = first.next();
        EXPECT_EQ(value, again.next());
        differs = differs || value != other.next();
        ASSERT_GE(value, -1.0);
        ASSERT_LT(value, 1.0);
        sum += value;
    }
    EXPECT_TRUE(differs);
    EXPECT_NEAR(sum / 20000, 0.0, 0.02);
}

TEST(Synth, OscillatorWrapsAndHarmonicsAboveNyquistAreLeftOut) {
    assetgen::Oscillator oscillator;
    EXPECT_EQ(oscillator.advance(3000, 4000), 0.0);
    EXPECT_DOUBLE_EQ(oscillator.advance(3000, 4000), 0.75);
    EXPECT_DOUBLE_EQ(oscillator.advance(3000, 4000), 0.5) << "1.5 wraps to 0.5";

    const std::array<double, 2> twoHarmonics{1.0, 1.0};
    EXPECT_NEAR(assetgen::harmonicWave(0.125, twoHarmonics, 1000, 8000), 1.0 + std::sqrt(0.5),
                1e-12);
    EXPECT_NEAR(assetgen::harmonicWave(0.125, twoHarmonics, 3000, 8000), std::sqrt(0.5), 1e-12)
        << "6 kHz cannot be sampled at 8 kHz";
}

TEST(Synth, FadesReachExactSilenceAndNormalizeKeepsSilence) {
    std::vector<double> tone(1000, 1.0);
    assetgen::fadeEdges(tone, 1000, 10, 20);
    EXPECT_EQ((std::array{tone.front(), tone[500], tone.back()}), (std::array{0.0, 1.0, 0.0}));
    EXPECT_TRUE(std::is_sorted(tone.begin(), tone.begin() + 11));
    EXPECT_LT(tone[990], tone[970]);

    std::vector<double> tiny{1.0, 1.0, 1.0};
    assetgen::fadeEdges(tiny, 44100, 50, 50);  // fades longer than the sound
    EXPECT_EQ((std::array{tiny.front(), tiny.back()}), (std::array{0.0, 0.0}));

    std::vector<double> quiet{0.1, -0.2, 0.05};
    assetgen::normalize(quiet, 0.8);
    EXPECT_DOUBLE_EQ(quiet[1], -0.8);
    EXPECT_DOUBLE_EQ(quiet[0], 0.4);
    std::vector<double> silence(4, 0.0);
    assetgen::normalize(silence, 0.8);
    EXPECT_EQ(silence, std::vector<double>(4, 0.0));
}

TEST(Sounds, EveryEffectFillsExactlyItsLengthWithinFullScaleFromSilenceToSilence) {
    const assetgen::SoundMaker makers[] = {
        assetgen::bounceSound,     assetgen::brickBreakSound, assetgen::explosionSound,
        assetgen::springSound,     assetgen::launchSound,     assetgen::glideBreakSound,
        assetgen::fallSound,       assetgen::fanfareSound,    assetgen::wallKickSound,
        assetgen::stageClearSound,
    };
    for (std::size_t i = 0; i < std::size(makers); ++i) {
        SCOPED_TRACE("sound " + std::to_string(i));
        for (std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{7000}}) {
            const std::vector<double> samples = makers[i](11025, count);
            ASSERT_EQ(samples.size(), count);
            if (count == 0) {
                continue;
            }
            EXPECT_EQ(samples.front(), 0.0);
            EXPECT_EQ(samples.back(), 0.0);
            const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
            EXPECT_GE(*low, -1.0);
            EXPECT_LE(*high, 1.0);
            if (count > 1) {
                EXPECT_GT(std::max(-*low, *high), 0.5) << "audible";
            }
        }
    }
}

}  // namespace

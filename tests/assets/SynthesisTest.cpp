#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "devtools/assetgen/Sounds.h"
#include "devtools/assetgen/Synth.h"

namespace {

// The shipped sounds are pinned byte for byte by the regeneration test; these are the lengths
// and levels that making them never meets.
TEST(Synth, FadesLongerThanTheSoundReachSilenceAndSilenceStaysSilentWhenNormalized) {
    std::vector<double> tiny{1.0, 1.0, 1.0};
    assetgen::fadeEdges(tiny, 44100, 50, 50);
    EXPECT_EQ((std::array{tiny.front(), tiny.back()}), (std::array{0.0, 0.0}));
    std::vector<double> silence(4, 0.0);
    assetgen::normalize(silence, 0.8);
    EXPECT_EQ(silence, std::vector<double>(4, 0.0)) << "no division by a zero peak";
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

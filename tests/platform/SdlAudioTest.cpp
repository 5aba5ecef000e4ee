#include <SDL.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "assets/ResourceTable.h"
#include "devtools/assetgen/WaveFile.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlSession.h"
#include "tests/ScopedEnv.h"

namespace {

using platform::SdlAudio;

// A wave file of `count` samples at `level` of full scale.
std::vector<std::uint8_t> waveFile(int rate, int bits, double level, std::size_t count) {
    return assetgen::encodeWaveFile({rate, bits}, std::vector<double>(count, level));
}

// What the device took, as 16-bit samples, while `play` started cues: SDL's disk driver writes
// every sample the device takes into a file.
std::vector<std::int16_t> heard(const SdlAudio::Waves& waves, int volume,
                                const std::function<void(SdlAudio&)>& play) {
    const std::string path =  // tests may run side by side, each in its own process
        ::testing::TempDir() + "tilebounce-audio-" + std::to_string(getpid()) + ".raw";
    const ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    const ScopedEnv output{"SDL_DISKAUDIOFILE", path.c_str()};
    const platform::SdlSession session;
    std::optional<SdlAudio> audio(std::in_place, waves, volume);
    play(*audio);
    for (int waited = 0; audio->sounding() && waited < 10'000; waited += 10) {
        SDL_Delay(10);
    }
    audio.reset();  // closing the device writes out the last samples taken
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

std::ptrdiff_t countWithin(const std::vector<std::int16_t>& samples, int low, int high) {
    return std::count_if(samples.begin(), samples.end(),
                         [=](std::int16_t s) { return s >= low && s <= high; });
}

TEST(SdlAudio, ANewCueCutsOffTheOneSoundingAndPlaysWholeInTheDeviceFormat) {
    const auto longCue = waveFile(44100, 16, 1234 / 32767.0, 88200);
    const auto shortCue = waveFile(11025, 8, 64 / 127.0, 1000);  // as long as 4000 at 44100 Hz
    const std::vector<std::uint8_t> garbage{'R', 'I', 'F', 'F', 1, 2, 3};
    const auto samples =
        heard({{103, longCue}, {104, shortCue}, {105, garbage}}, 100, [](SdlAudio& audio) {
            EXPECT_FALSE(audio.canPlay(105));
            audio.playWave(103);
            audio.playWave(105);  // unreadable: leaves the cue alone
            audio.playWave(999);
            audio.playWave(104);
        });
    EXPECT_LT(std::count(samples.begin(), samples.end(), 1234), 88200 / 2);
    const auto converted = countWithin(samples, 16001, 16799);
    EXPECT_GT(converted, 3900);
    EXPECT_LE(converted, 4000);
}

// The volume scales every sample once, up front; 0 is silence.
TEST(SdlAudio, PlaysAtTheVolumeAsked) {
    const auto cue = waveFile(44100, 16, 10000 / 32767.0, 2000);
    const auto play = [](SdlAudio& audio) { audio.playWave(103); };
    EXPECT_EQ(countWithin(heard({{103, cue}}, 50, play), 4990, 5010), 2000);
    const auto silent = heard({{103, cue}}, 0, play);
    EXPECT_GE(silent.size(), 2000u);
    EXPECT_EQ(countWithin(silent, 0, 0), static_cast<std::ptrdiff_t>(silent.size()));
}

TEST(SdlAudio, RunsSilentWithoutAnAudioDevice) {
    const ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    const platform::SdlSession session;
    const auto cue = waveFile(22050, 8, 72 / 127.0, 100);
    SdlAudio audio({{103, cue}});
    EXPECT_FALSE(audio.canPlay(103));
    audio.playWave(103);
    EXPECT_FALSE(audio.sounding());
}

TEST(SdlAudio, ConvertsEveryBuiltInWave) {
    const ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    const platform::SdlSession session;
    const SdlAudio audio;
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == ResourceKind::Wave) {
            EXPECT_TRUE(audio.canPlay(resource.id)) << "wave " << resource.id;
        }
    }
}

}  // namespace

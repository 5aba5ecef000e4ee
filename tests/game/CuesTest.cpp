#include <string>
#include <vector>

#include "game/Cues.h"
#include "tests/game/GameFixture.h"

namespace {

using Cues = GameTest;

TEST_F(Cues, EachNameStartsItsOwnWave) {
    for (const char* name : {"snd1.wav", "snd2.wav", "snd3.wav", "snd4.wav", "snd5.wav", "sndb.wav",
                             "sndg.wav", "snds.wav", "sndt.wav", "sndv.wav"}) {
        armCue();
        playCue(name);
    }
    EXPECT_EQ(audio.played, (std::vector<int>{103, 104, 105, 106, 107, 108, 109, 110, 111, 112}));
}

TEST_F(Cues, TheGateLetsOneCueAFrameAndNoneBeforeItIsFirstArmed) {
    playCue("snd1.wav");
    armCue();
    playCue("snd2.wav");
    playCue("snd1.wav");
    armCue();
    playCue("SND1.WAV");  // unknown: starts nothing, still closes the gate
    playCue("snd1.wav");
    EXPECT_EQ(audio.played, std::vector<int>{104});
    EXPECT_EQ(gameState.cueArmed, 0);
}

}  // namespace

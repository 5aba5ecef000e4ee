#include "game/Cues.h"

#include <array>

#include "game/GameState.h"
#include "platform/Audio.h"

namespace {

struct Cue {
    std::string_view name;
    int waveId;
};

constexpr std::array<Cue, 10> cueTable = {{
    {"snd1.wav", 103},
    {"snd2.wav", 104},
    {"snd3.wav", 105},
    {"snd4.wav", 106},
    {"snd5.wav", 107},
    {"sndb.wav", 108},
    {"sndg.wav", 109},
    {"snds.wav", 110},
    {"sndt.wav", 111},
    {"sndv.wav", 112},
}};

}  // namespace

void armCue() {
    gameState.cueArmed = 1;
}

void playCue(std::string_view name) {
    if (gameState.cueArmed == 0) {
        return;
    }
    for (const Cue& cue : cueTable) {
        if (cue.name == name) {
            platform::audioOut().playWave(cue.waveId);
        }
    }
    gameState.cueArmed = 0;
}

std::string_view cueNameOfWave(int waveId) {
    for (const Cue& cue : cueTable) {
        if (cue.waveId == waveId) {
            return cue.name;
        }
    }
    return {};
}

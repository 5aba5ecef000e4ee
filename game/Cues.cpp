#include "game/Cues.h"

#include <array>
#include <utility>

#include "game/GameState.h"
#include "platform/seams/Audio.h"

namespace {

// Each cue's name: a key only, no file of that name is ever opened.
constexpr std::array<std::pair<Cue, std::string_view>, 10> cueNames = {{
    {Cue::Bounce, "snd1.wav"},
    {Cue::BrickBreak, "snd2.wav"},
    {Cue::Explosion, "snd3.wav"},
    {Cue::SpringBounce, "snd4.wav"},
    {Cue::Launch, "snd5.wav"},
    {Cue::GlideBreak, "sndb.wav"},
    {Cue::Fall, "sndg.wav"},
    {Cue::StageCard, "snds.wav"},
    {Cue::WallKick, "sndt.wav"},
    {Cue::StageClear, "sndv.wav"},
}};

}  // namespace

void armCue() {
    gameState.cueArmed = 1;
}

void playCue(Cue cue) {
    if (gameState.cueArmed == 0) {
        return;
    }
    platform::audioOut().playWave(static_cast<int>(cue));
    gameState.cueArmed = 0;
}

std::string_view cueNameOfWave(int waveId) {
    for (const auto& [cue, name] : cueNames) {
        if (static_cast<int>(cue) == waveId) {
            return name;
        }
    }
    return {};
}

#pragma once
// Sound cues, at most one starting per frame.
#include <string_view>

#include "assets/ResourceIds.h"

// Every cue of the game, by the built-in wave it plays.
enum class Cue {
    Bounce = resource::BounceWave,          // on a Block
    BrickBreak = resource::BrickBreakWave,  // a Brick broken
    Explosion = resource::ExplosionWave,    // into a Mine
    SpringBounce = resource::SpringWave,
    Launch = resource::LaunchWave,          // a launcher starts a glide
    GlideBreak = resource::GlideBreakWave,  // an arrow ends the glide
    Fall = resource::FallWave,              // the ball lost at the bottom
    StageCard = resource::StageCardWave,
    WallKick = resource::WallKickWave,
    StageClear = resource::StageClearWave,  // the right edge reached, or hover begun
};

// Opens the gate: the next playCue of this frame may sound.
void armCue();

// Starts the cue's wave if the gate is open, then closes the gate.
void playCue(Cue cue);

// The name the trace gives the cue that plays the built-in wave; empty when no cue does.
std::string_view cueNameOfWave(int waveId);

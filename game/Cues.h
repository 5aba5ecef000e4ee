#pragma once
// Sound cues by name, at most one starting per frame.
#include <string_view>

// Opens the gate: the next playCue of this frame may sound.
void armCue();

// Starts the cue's built-in wave if the gate is open, then closes the gate, even for a name
// that matches no cue.
void playCue(std::string_view name);

// The name of the cue that plays the built-in wave; empty when no cue does.
std::string_view cueNameOfWave(int waveId);

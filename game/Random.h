#pragma once
// The game's one random sequence. It starts at 1 and is never reseeded, so equal key input at
// equal substeps replays the same game.
#include <cstdint>

extern std::uint32_t randomState;

// Advances the state and returns a value in 0..32767.
std::int32_t nextRandom();

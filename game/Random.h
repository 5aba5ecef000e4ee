#pragma once
// The game's one random sequence. It starts at 1 and is never reseeded, so equal key input at
// equal substeps replays the same game.
#include <cstdint>

// The state when the program starts.
inline constexpr std::uint32_t FirstRandomState = 1;

extern std::uint32_t randomState;

// Advances the state and returns a value in 0..32767. Inline: a substep draws up to four.
inline std::int32_t nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randomState >> 16) & 0x7FFFu);
}

#pragma once
// What must hold of the game after every substep, for soaking the game with random keys.
#include <string>

// Empty while the game is sound, else the first invariant broken: the ball off the screen
// (0..639 × 0..479), the stage outside 1..20, the lives outside 0..12, a map code outside 0..9.
std::string brokenInvariant();

#pragma once
// The one routine that moves the ball during play.
#include <cstdint>

// Tries one step of (dx, dy): the tile just ahead acts on the ball, a Block beside it may kick
// it off with the arrow key that points away, it is clamped to the screen, and reaching the
// right or bottom edge clears the stage or loses the ball. Reads the Left and Right arrows.
void moveBall(std::int32_t dx, std::int32_t dy);

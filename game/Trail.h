#pragma once
// The ball's last positions, newest first; drawn as the ball and its tail. Kept apart from the
// game's state: nothing the game decides reads them.
#include <array>
#include <cstddef>
#include <cstdint>

struct TrailPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

constexpr std::size_t TrailLength = 100;

// Index 0 is the newest point: the ball as drawn.
extern std::array<TrailPoint, TrailLength> ballTrail;

// Moves every point one place older, dropping the oldest, and puts the ball's position in point
// 0; nothing while the trail is kept still.
void followBall();

// Whether followBall leaves the trail as it is; it does not until told otherwise. Only drawing
// reads the trail, so a run that draws nothing may keep it still.
void keepTrailStill(bool still);

// Puts every point at the middle of the screen, as at each stage start.
void resetTrail();

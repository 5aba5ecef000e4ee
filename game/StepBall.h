#pragma once
// One physics substep of ball control: glide, or gravity, jitter, hover and the arrow keys;
// then lift and kick; then the trail takes the ball's new position.
#include <cstdint>

// Space held for more than this many non-gliding substeps in a row starts the hover.
constexpr std::int32_t HoverChargeNeeded = 1000;

// Reads the keys of the Keyboard's latest poll.
void stepBall();

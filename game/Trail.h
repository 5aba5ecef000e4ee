#pragma once
// The ball's last positions, newest first; drawn as the ball and its tail.

// Moves every point one place older, dropping the oldest; point 0 keeps its value.
void shiftTrail();

// Puts every point at the middle of the screen, as at each stage start.
void resetTrail();

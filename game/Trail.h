#pragma once
// The ball's last positions, newest first; drawn as the ball and its tail.

// Moves every point one place older, dropping the oldest, and puts the ball's position in point
// 0; nothing while the trail is kept still.
void followBall();

// Whether followBall leaves the trail as it is; it does not until told otherwise. Only drawing
// reads the trail, so a run that draws nothing may keep it still.
void keepTrailStill(bool still);

// Puts every point at the middle of the screen, as at each stage start.
void resetTrail();

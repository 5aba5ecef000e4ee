#pragma once
// One physics substep of ball control: glide, or gravity, jitter, hover and the arrow keys;
// then lift and kick; then the trail takes the ball's new position.
// Reads the keys of the Keyboard's latest poll.
void stepBall();

#pragma once
// The still screens around play. Each shows its picture for a fixed pause, then waits for
// Enter, Space, Left or Right, or for the window to close; each releases what it made.

// The title picture on black; a key pressed at any time since the Keyboard's previous poll ends
// it as soon as its pause is over.
void showTitle();

// "Stage", "Life" and "Score" on grey, with the card's cue. An arrow held at the first pass
// ends it after the first pause; Enter and Space count from the second pass on.
void showStageCard();

// The game-over picture on black. Presses made during the pause are polled away first, so only
// a key still held ends it at once.
void showGameOver();

// The ending picture on white; ends like the game-over screen.
void showEnding();

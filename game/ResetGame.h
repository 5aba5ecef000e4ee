#pragma once
// The game's globals as the program starts with them: the game state and the trail, the random
// sequence from its start, the window's input record and no console write failed.
void resetGame();

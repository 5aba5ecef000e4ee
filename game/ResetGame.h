#pragma once
// The game's globals as the program starts with them: the game state, the random sequence from
// its start and the window's input record.
void resetGame();

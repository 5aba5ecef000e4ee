#include "game/ResetGame.h"

#include "game/ConsoleLine.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "shell/WindowInput.h"

void resetGame() {
    gameState = GameState{};
    randomState = 1;
    windowInput = WindowInput{};
    forgetConsoleWriteError();
}

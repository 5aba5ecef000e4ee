#include "game/ResetGame.h"

#include "game/ConsoleLine.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/Trail.h"
#include "shell/WindowInput.h"

void resetGame() {
    gameState = GameState{};
    ballTrail = {};
    randomState = FirstRandomState;
    windowInput = WindowInput{};
    forgetConsoleWriteError();
}

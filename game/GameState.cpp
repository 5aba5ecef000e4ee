#include "game/GameState.h"

GameState gameState;

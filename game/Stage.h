#pragma once
// Loading a stage into the working map, and reading the working map cell by cell.
#include <cstdint>

#include "game/GameState.h"

// Copies stage table entry `stage` into gameState.map, clears its StartMarker and puts the ball
// on the top-left pixel of that cell; without a marker the ball stays where it is. An index
// outside the table changes nothing.
void loadStage(std::int32_t stage);

// The code at cell (column, row) of gameState.map, or -1 outside the grid. Inline: every step of
// the ball probes several cells.
inline std::int32_t tileAt(std::int32_t column, std::int32_t row) {
    if (column < 0 || column >= GridColumns || row < 0 || row >= GridRows) {
        return -1;
    }
    return gameState.map[cellIndex(column, row)];
}

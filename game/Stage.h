#pragma once
// Loading a stage into the working map, and reading the working map cell by cell.
#include <cstdint>

// Copies stage table entry `stage` into gameState.map and puts the ball on its start cell.
// An index outside the table changes nothing.
void loadStage(std::int32_t stage);

// Clears every StartMarker of gameState.map; the ball goes to the top-left pixel of the last
// one in row-major order, or stays where it is when there is none.
void takeStartMarkers();

// The code at cell (column, row) of gameState.map, or -1 outside the grid.
std::int32_t tileAt(std::int32_t column, std::int32_t row);

#pragma once
// The playfield grid and the codes its cells hold.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::int32_t GridColumns = 20;
constexpr std::int32_t GridRows = 15;
constexpr std::int32_t CellSize = 32;

// Codes 7 and 8 belong to no map; like any code above RightLauncher they refuse every step.
constexpr std::int32_t Empty = 0;
constexpr std::int32_t Block = 1;
constexpr std::int32_t Brick = 2;
constexpr std::int32_t Mine = 3;
constexpr std::int32_t Spring = 4;
constexpr std::int32_t LeftLauncher = 5;
constexpr std::int32_t RightLauncher = 6;
constexpr std::int32_t StartMarker = 9;

// Row by row from the top; cell (column, row) is element GridColumns * row + column.
using StageMap = std::array<std::int32_t, GridColumns * GridRows>;

// The element of a StageMap that holds cell (column, row); the cell must lie in the grid.
constexpr std::size_t cellIndex(std::int32_t column, std::int32_t row) {
    return static_cast<std::size_t>(row * GridColumns + column);
}

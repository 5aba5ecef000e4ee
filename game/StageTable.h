#pragma once
// The built-in stage maps: index n (1..20) is stage n; index 0 is a walled box that is never
// played.
#include <array>
#include <cstdint>

#include "game/Tiles.h"

constexpr std::int32_t StageTableSize = 21;

extern const std::array<StageMap, StageTableSize> stageTable;

#include "game/Random.h"

std::uint32_t randomState = 1;

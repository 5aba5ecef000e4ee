#include "game/Random.h"

std::uint32_t randomState = FirstRandomState;

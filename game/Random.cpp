#include "game/Random.h"

std::uint32_t randomState = 1;

std::int32_t nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randomState >> 16) & 0x7FFFu);
}

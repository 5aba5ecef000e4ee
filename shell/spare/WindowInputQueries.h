#pragma once
// The queries the window shell offers on its input record, which the game never makes: it steers
// by the Keyboard alone.
#include <cstdint>

// 1 once for each click: the first call that finds the button up after a call found it down.
std::int32_t takeLeftClick();
std::int32_t takeRightClick();
// The virtual-key code of the last key that went down and stays unanswered, then 0.
std::int32_t takeLastKey();

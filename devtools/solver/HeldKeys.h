#pragma once
// A set of keys held down together, as the key script's line holds them: one bit per key name
// in the script's order (Enter, Escape, Space, Left, Up, Right, Down).
#include <cstdint>

using HeldKeys = std::uint8_t;

constexpr HeldKeys HoldEnter = 1 << 0;
constexpr HeldKeys HoldSpace = 1 << 2;
constexpr HeldKeys HoldLeft = 1 << 3;
constexpr HeldKeys HoldUp = 1 << 4;
constexpr HeldKeys HoldRight = 1 << 5;
constexpr HeldKeys HoldDown = 1 << 6;

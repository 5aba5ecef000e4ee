#pragma once
// The Win32 virtual-key codes of the keys the game reads.

constexpr int VK_RETURN = 13;
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;

#pragma once
// Win32 virtual-key codes for the keys SDL reports by scancode, placed as on a US keyboard.

namespace platform {

// The scancodes SDL numbers: 0 up to this, exclusive.
constexpr int kScancodeCount = 512;

// The Win32 virtual-key code of the key at an SDL scancode; 0 when the key has none or the number
// names no scancode.
int virtualKeyOf(int scancode);

// For a one-sided modifier code (VK_LSHIFT .. VK_RMENU) the code that stands for both sides
// (VK_SHIFT, VK_CONTROL, VK_MENU); 0 for every other code.
int bothSidesKeyOf(int virtualKey);

}  // namespace platform

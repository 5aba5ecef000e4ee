#pragma once
// The table that gives the Win32 virtual-key code of the key SDL reports by scancode, placed as
// on a US keyboard, with the player's key bindings laid over it.
#include <map>
#include <vector>

#include "winapi/VirtualKeyCodes.h"

namespace platform {

// The scancodes SDL numbers: 0 up to this, exclusive.
constexpr int ScancodeCount = 512;

// Virtual-key code → the scancodes that give it instead of its own keys.
using KeyBindings = std::map<int, std::vector<int>>;

// Lays the bindings over the table, in place of any laid before; made once at start, before keys
// are read. A code bound to other keys is no longer given by its own (unless listed again).
void bindKeys(const KeyBindings& bindings);

// The Win32 virtual-key code of the key at an SDL scancode, bindings included; 0 when the key has
// none or the number names no scancode.
int virtualKeyOf(int scancode);

// For a one-sided modifier code (VK_LSHIFT .. VK_RMENU) the code that stands for both sides
// (VK_SHIFT, VK_CONTROL, VK_MENU); 0 for every other code.
int bothSidesKeyOf(int virtualKey);

}  // namespace platform

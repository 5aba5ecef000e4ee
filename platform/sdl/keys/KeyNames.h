#pragma once
// Keys by the names SDL gives their scancodes ("Left", "A", "Keypad Enter"), placed as on a US
// keyboard: the names the settings file binds keys with.
#include <string>
#include <string_view>

namespace platform {

// The SDL scancode with that name (any letter case); 0 for a name SDL does not know.
int scancodeNamed(std::string_view name);

// The name as SDL spells it; empty for a name SDL does not know.
std::string canonicalKeyName(std::string_view name);

// The name of the key at an SDL scancode; empty for a number that names none.
std::string keyNameOf(int scancode);

}  // namespace platform

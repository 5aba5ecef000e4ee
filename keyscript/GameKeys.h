#pragma once
// The seven keys the game reads, by the names that key scripts and the settings file use.
#include <array>
#include <string_view>

#include "winapi/VirtualKeyCodes.h"

struct GameKey {
    std::string_view name;
    int vk;
};

inline constexpr std::array<GameKey, 7> GameKeys = {{
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"Left", VK_LEFT},
    {"Up", VK_UP},
    {"Right", VK_RIGHT},
    {"Down", VK_DOWN},
}};

// The virtual-key code of the game key with that name; 0 for any other name.
constexpr int gameKeyNamed(std::string_view name) {
    for (const GameKey& key : GameKeys) {
        if (key.name == name) {
            return key.vk;
        }
    }
    return 0;
}

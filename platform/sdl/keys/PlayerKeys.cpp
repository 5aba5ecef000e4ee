#include "platform/sdl/keys/PlayerKeys.h"

#include <SDL.h>

#include <algorithm>
#include <array>

#include "platform/sdl/keys/KeyNames.h"
#include "platform/sdl/keys/VirtualKeys.h"

namespace platform {
namespace {

const PlayerKeyBindings& defaultKeys() {
    static const PlayerKeyBindings defaults = {
        {PlayerAction::Pause, {SDL_SCANCODE_P, SDL_SCANCODE_PAUSE}},
        {PlayerAction::Help, {SDL_SCANCODE_F1}},
        {PlayerAction::Mute, {SDL_SCANCODE_M}},
        {PlayerAction::VolumeDown, {SDL_SCANCODE_MINUS, SDL_SCANCODE_KP_MINUS}},
        {PlayerAction::VolumeUp, {SDL_SCANCODE_EQUALS, SDL_SCANCODE_KP_PLUS}},
        {PlayerAction::Timer, {SDL_SCANCODE_T}},
        {PlayerAction::KeysShown, {SDL_SCANCODE_K}},
        {PlayerAction::Step, {SDL_SCANCODE_PERIOD}},
        {PlayerAction::Slower, {SDL_SCANCODE_LEFTBRACKET}},
        {PlayerAction::Faster, {SDL_SCANCODE_RIGHTBRACKET}},
        {PlayerAction::NextStage, {SDL_SCANCODE_N}},
        {PlayerAction::Restart, {SDL_SCANCODE_HOME}},
    };
    return defaults;
}

// The codes of the game's seven keys.
constexpr std::array<int, 7> GameKeyCodes = {VK_RETURN, VK_ESCAPE, VK_SPACE, VK_LEFT,
                                             VK_UP,     VK_RIGHT,  VK_DOWN};

// A key that gives one of the game's keys, by its own place or by the settings, is the game's.
bool givesGameKey(int scancode) {
    return std::find(GameKeyCodes.begin(), GameKeyCodes.end(), virtualKeyOf(scancode)) !=
           GameKeyCodes.end();
}

PlayerKeyBindings& boundActions() {
    static PlayerKeyBindings bound = defaultKeys();
    return bound;
}

// The default keys that the bindings gave to another action, as bindPlayerKeys found them.
std::vector<TakenPlayerKey>& takenByBindings() {
    static std::vector<TakenPlayerKey> taken;
    return taken;
}

// The action the bindings give the key to, or None.
PlayerAction boundBy(const PlayerKeyBindings& bindings, int scancode) {
    for (const auto& [action, scancodes] : bindings) {
        if (std::find(scancodes.begin(), scancodes.end(), scancode) != scancodes.end()) {
            return action;
        }
    }
    return PlayerAction::None;
}

}  // namespace

PlayerAction playerActionNamed(std::string_view name) {
    const auto* found = std::find_if(PlayerKeys.begin(), PlayerKeys.end(),
                                     [name](const PlayerKey& key) { return key.name == name; });
    return found != PlayerKeys.end() ? found->action : PlayerAction::None;
}

void bindPlayerKeys(const PlayerKeyBindings& bindings) {
    boundActions() = defaultKeys();
    takenByBindings().clear();
    for (auto& [action, scancodes] : boundActions()) {
        if (const auto bound = bindings.find(action); bound != bindings.end()) {
            scancodes = bound->second;
            continue;
        }
        // A key the game takes is named as the game's, below.
        std::erase_if(scancodes, [action = action, &bindings](int scancode) {
            const PlayerAction other = boundBy(bindings, scancode);
            if (other == PlayerAction::None || givesGameKey(scancode)) {
                return false;
            }
            takenByBindings().push_back({scancode, action, other});
            return true;
        });
    }
}

PlayerAction playerActionOf(int scancode) {
    if (scancode <= 0 || scancode >= ScancodeCount || givesGameKey(scancode)) {
        return PlayerAction::None;
    }
    for (const auto& [action, scancodes] : boundActions()) {
        if (std::find(scancodes.begin(), scancodes.end(), scancode) != scancodes.end()) {
            return action;
        }
    }
    return PlayerAction::None;
}

std::vector<int> scancodesOf(PlayerAction action) {
    std::vector<int> giving;
    const auto bound = boundActions().find(action);
    if (bound != boundActions().end()) {
        std::copy_if(bound->second.begin(), bound->second.end(), std::back_inserter(giving),
                     [action](int scancode) { return playerActionOf(scancode) == action; });
    }
    return giving;
}

std::vector<TakenPlayerKey> takenPlayerKeys() {
    std::vector<TakenPlayerKey> taken;
    for (const auto& [action, scancodes] : boundActions()) {
        for (const int scancode : scancodes) {
            if (givesGameKey(scancode)) {
                taken.push_back({scancode, action, PlayerAction::None});
            }
        }
    }
    taken.insert(taken.end(), takenByBindings().begin(), takenByBindings().end());
    return taken;
}

std::string keyNamesOf(PlayerAction action) {
    std::string names;
    for (const int scancode : scancodesOf(action)) {
        names += (names.empty() ? "" : " / ") + keyNameOf(scancode);
    }
    return names;
}

}  // namespace platform

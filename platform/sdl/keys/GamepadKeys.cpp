#include "platform/sdl/keys/GamepadKeys.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

#include "winapi/VirtualKeyCodes.h"

namespace platform {
namespace {

int keyOfButton(int button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return VK_LEFT;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return VK_RIGHT;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return VK_UP;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return VK_DOWN;
        case SDL_CONTROLLER_BUTTON_A:
            return VK_SPACE;
        case SDL_CONTROLLER_BUTTON_B:
        case SDL_CONTROLLER_BUTTON_START:
            return VK_RETURN;
        case SDL_CONTROLLER_BUTTON_BACK:
            return VK_ESCAPE;
        default:
            return 0;
    }
}

// The buttons the game has no use for, and the player's actions they give.
constexpr std::array<std::pair<int, PlayerAction>, 6> PlayersButtons = {{
    {SDL_CONTROLLER_BUTTON_Y, PlayerAction::Pause},
    {SDL_CONTROLLER_BUTTON_X, PlayerAction::Step},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PlayerAction::Slower},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PlayerAction::Faster},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PlayerAction::NextStage},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PlayerAction::Restart},
}};

PlayerAction actionOfButton(int button) {
    const auto* found = std::find_if(PlayersButtons.begin(), PlayersButtons.end(),
                                     [button](const auto& entry) { return entry.first == button; });
    return found != PlayersButtons.end() ? found->second : PlayerAction::None;
}

// A stick counts as pushed past half way and as let go under a third of the way, so that a
// stick resting near the line does not flicker.
constexpr int PushedPast = 16384;
constexpr int LetGoUnder = 10923;
// Stick directions are numbered after the buttons.
constexpr int FirstStickInput = SDL_CONTROLLER_BUTTON_MAX;

}  // namespace

GamepadKeys::~GamepadKeys() {
    for (const auto& [instance, controller] : open_) {
        SDL_GameControllerClose(controller);
    }
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool GamepadKeys::start() {
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

void GamepadKeys::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
                const int instance =
                    SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                if (!open_.emplace(instance, controller).second) {
                    SDL_GameControllerClose(controller);  // already open: SDL counts each open
                }
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            unplugged(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const PlayerAction action = actionOfButton(event.cbutton.button);
                action != PlayerAction::None) {
                if (event.type == SDL_CONTROLLERBUTTONDOWN) {
                    act_(action);
                }
            } else if (const int key = keyOfButton(event.cbutton.button); key != 0) {
                set({event.cbutton.which, event.cbutton.button}, key,
                    event.type == SDL_CONTROLLERBUTTONDOWN);
            }
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const bool across = event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX;
            if (!across && event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY) {
                break;
            }
            const int value = event.caxis.value;
            const int base = FirstStickInput + (across ? 0 : 2);
            const Input lower{event.caxis.which, base};
            const Input upper{event.caxis.which, base + 1};
            // Each direction goes down past the push line and up under the let-go line.
            const auto judge = [&](Input input, int key, int reach) {
                const bool wasDown = held_.contains(input);
                set(input, key, wasDown ? reach >= LetGoUnder : reach >= PushedPast);
            };
            judge(lower, across ? VK_LEFT : VK_UP, -value);
            judge(upper, across ? VK_RIGHT : VK_DOWN, value);
            break;
        }
        default:
            break;
    }
}

void GamepadKeys::set(Input input, int virtualKey, bool down) {
    const auto held = held_.find(input);
    if (down == (held != held_.end())) {
        return;
    }
    if (down) {
        held_.emplace(input, virtualKey);
    } else {
        held_.erase(held);
    }
    change_(virtualKey, down);
}

void GamepadKeys::unplugged(int instance) {
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->first.first == instance) {
            const int key = it->second;
            it = held_.erase(it);
            change_(key, false);
        } else {
            ++it;
        }
    }
    if (const auto found = open_.find(instance); found != open_.end()) {
        SDL_GameControllerClose(found->second);
        open_.erase(found);
    }
}

}  // namespace platform

#pragma once
// Gamepads as the game's keys, through SDL's GameController API: the D-pad and the left stick
// act as the arrows, A (south) as Space, B (east) and Start as Enter, Back as Escape. The buttons
// the game has no use for are the player's: Y (north) pauses; X (west), the shoulders and the
// sticks pressed in steer a recording played back (one frame, slower and faster, the next stage,
// back to the start). Gamepads are opened as they are plugged in, whenever that is, and let go
// when unplugged; the keys they held are released then.
#include <functional>
#include <map>
#include <utility>

#include "platform/sdl/keys/PlayerKeys.h"

union SDL_Event;
struct _SDL_GameController;

namespace platform {

class GamepadKeys {
  public:
    // A key of the game going down or up.
    using Change = std::function<void(int virtualKey, bool down)>;

    // `act`: a button of the player's pressed.
    GamepadKeys(Change change, std::function<void(PlayerAction)> act)
        : change_(std::move(change)), act_(std::move(act)) {}
    ~GamepadKeys();
    GamepadKeys(const GamepadKeys&) = delete;
    GamepadKeys& operator=(const GamepadKeys&) = delete;

    // Starts SDL's game controllers; the ones already plugged in arrive as events. False when
    // SDL cannot start them (the game then plays without gamepads).
    bool start();
    // Takes in one of SDL's events; any but a game controller's is ignored.
    void handle(const SDL_Event& event);

  private:
    // An input of one gamepad: a button, or one direction of a stick axis.
    using Input = std::pair<int, int>;  // gamepad instance, input number
    void set(Input input, int virtualKey, bool down);
    void unplugged(int instance);

    Change change_;
    std::function<void(PlayerAction)> act_;
    bool started_ = false;
    std::map<int, _SDL_GameController*> open_;  // by instance
    std::map<Input, int> held_;                 // input → the key it holds down
};

}  // namespace platform

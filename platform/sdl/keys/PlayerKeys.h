#pragma once
// The player's own keys, beside the game's: pause, help, the volume, the timer, the keys shown and
// the steering of a recording played back.
// They act around the game and never reach it. Each has default keys that the settings may replace;
// a key that gives one of the game's seven keys, by its own place or by the settings' bindings,
// stays the game's.
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class PlayerAction {
    None,
    Pause,
    Help,
    Mute,
    VolumeDown,
    VolumeUp,
    FocusLost,
    Timer,
    KeysShown,
    // Steering a recording played back: ignored otherwise.
    Step,
    Slower,
    Faster,
    NextStage,
    Restart
};

struct PlayerKey {
    std::string_view name;  // as the settings file's [keys] names it
    PlayerAction action;
};

inline constexpr std::array<PlayerKey, 12> PlayerKeys = {{
    {"Pause", PlayerAction::Pause},
    {"Help", PlayerAction::Help},
    {"Mute", PlayerAction::Mute},
    {"VolumeDown", PlayerAction::VolumeDown},
    {"VolumeUp", PlayerAction::VolumeUp},
    {"Timer", PlayerAction::Timer},
    {"KeysShown", PlayerAction::KeysShown},
    {"Step", PlayerAction::Step},
    {"Slower", PlayerAction::Slower},
    {"Faster", PlayerAction::Faster},
    {"NextStage", PlayerAction::NextStage},
    {"Restart", PlayerAction::Restart},
}};

// The action of the player's key with that name; None for any other name.
PlayerAction playerActionNamed(std::string_view name);

// Action → the scancodes that give it instead of its default keys.
using PlayerKeyBindings = std::map<PlayerAction, std::vector<int>>;

// Lays the bindings over the defaults, in place of any laid before; a default key that the
// bindings give to another action is that action's alone. Made once at start, after the game's
// own bindings (bindKeys), before keys are read.
void bindPlayerKeys(const PlayerKeyBindings& bindings);

// The action of the key at an SDL scancode; None when it has none or gives one of the game's keys.
PlayerAction playerActionOf(int scancode);

// The scancodes that give the action now.
std::vector<int> scancodesOf(PlayerAction action);

// A key that would give one of the player's actions and gives something else instead: one of
// the game's keys (`instead` None), or another action of the player's that the settings bind it
// to, over the default.
struct TakenPlayerKey {
    int scancode;
    PlayerAction lost;
    PlayerAction instead;

    bool operator==(const TakenPlayerKey&) const = default;
};

// The keys taken so, as bound now: those the game's keys take first.
std::vector<TakenPlayerKey> takenPlayerKeys();

// The keys that give the action, by SDL's names joined by " / ", e.g. "P / Pause".
std::string keyNamesOf(PlayerAction action);

}  // namespace platform

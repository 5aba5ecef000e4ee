#pragma once
// The key state over SDL, with the meaning of the platform's asynchronous key state: a key reads
// down at a poll when it is down now or was pressed since the previous poll, so a tap shorter
// than the time between two polls is still seen, once. Gamepads press the game's keys too. The
// player's keys, the gamepad's own buttons and the window's lost focus are the player's actions,
// carried out at the game's next poll or wait and never reported to the game. While they hold
// the game it reads no key: a press then is not kept for the next poll, and a key still down when
// play goes on reads down from then on.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/sdl/keys/GamepadKeys.h"
#include "platform/sdl/keys/KeyTranslation.h"
#include "platform/sdl/keys/VirtualKeys.h"
#include "platform/seams/KeySource.h"

union SDL_Event;

namespace platform {

class SdlKeySource : public KeySource {
  public:
    // Watches SDL's key and gamepad events from now on; SDL's events must be running (see
    // SdlSession).
    SdlKeySource();
    ~SdlKeySource() override;
    SdlKeySource(const SdlKeySource&) = delete;
    SdlKeySource& operator=(const SdlKeySource&) = delete;

    // Takes in SDL's waiting input first, so the report is fresh.
    void poll(KeyReport& reported) override;
    KeyReport tappedAtLatestPoll() const override { return tapped_; }

    // Called once for every Alt+Enter, as the player's actions are. The chord's Enter is never
    // reported.
    void onFullScreenToggle(std::function<void()> toggle) { toggle_ = std::move(toggle); }
    // Called for each of the player's actions, in order. The focus counts as lost (to another
    // window, the window minimised or hidden, as a browser's tab is) only when the window had
    // it: a window that never had it is not paused.
    void onPlayerAction(std::function<void(PlayerAction)> act) { act_ = std::move(act); }
    // Whether the player's actions hold the game (paused, or under the help) as carried out so
    // far; never, unless told.
    void holdsGameWhile(std::function<bool()> holding) { holding_ = std::move(holding); }

    // Carries out the full-screen toggles and the player's actions taken in since the last
    // time, in the order they came. poll() does it first; the game's waits must too (they take
    // in events but poll no key). Never done as SDL takes an event in: in a browser that happens
    // in the page's own callbacks, outside the game's stack, which sleeps suspended and would
    // never wake.
    void carryOutPlayerActions();

  private:
    static int watch(void* self, SDL_Event* event);
    void keyChanged(int scancode, bool down, bool repeat, bool altHeld);
    void count(int virtualKey, bool down);
    void focusChanged(std::uint8_t windowEvent);
    void act(PlayerAction action);
    // A press, kept for the next poll unless the game is held when it comes: at once, or after
    // the player's actions before it are carried out.
    void latch(int virtualKey);
    void keep(int virtualKey);
    bool held() const { return holding_ && holding_(); }

    std::array<bool, ScancodeCount> scancodeDown_{};
    // How many keys hold each code down: both Enters give VK_RETURN, both Shifts VK_SHIFT.
    std::array<std::uint8_t, 256> downCount_{};
    std::array<bool, 256> pressedSincePoll_{};
    KeyTranslator keys_;
    KeyReport tapped_{};
    int pendingToggles_ = 0;
    std::function<void()> toggle_;
    std::function<void(PlayerAction)> act_;
    std::function<bool()> holding_;
    // The player's actions not yet carried out, and the presses that came after one of them:
    // whether such a press is kept depends on whether the actions before it hold the game.
    struct Waiting {
        PlayerAction action = PlayerAction::None;
        int pressedKey = 0;
    };
    std::vector<Waiting> waiting_;
    bool focused_ = false;
    GamepadKeys gamepads_{[this](int virtualKey, bool down) { count(virtualKey, down); },
                          [this](PlayerAction action) { act(action); }};
};

}  // namespace platform

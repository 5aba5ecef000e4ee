#pragma once
// The key state over SDL, with the meaning of the platform's asynchronous key state: a key reads
// down at a poll when it is down now or was pressed since the previous poll, so a tap shorter
// than the time between two polls is still seen, once. Gamepads press the game's keys too. The
// player's keys, the gamepad's pause button and the window's lost focus are the player's actions,
// told as they happen and never reported to the game.
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

    // Called by poll(), once for every Alt+Enter since the previous poll. The chord's Enter is
    // never reported.
    void onFullScreenToggle(std::function<void()> toggle) { toggle_ = std::move(toggle); }
    // Toggles for the Alt+Enters since the last time, as poll() does: for while nobody polls; and
    // in a browser, carries out the player's actions taken in since.
    void toggleAsAsked();

    // Called as each of the player's actions happens, while SDL takes in its events (also while
    // nobody polls). The focus counts as lost (to another window, the window minimised or hidden,
    // as a browser's tab is) only when the window had it: a window that never had it is not
    // paused.
    void onPlayerAction(std::function<void(PlayerAction)> act) { act_ = std::move(act); }

  private:
    static int watch(void* self, SDL_Event* event);
    void keyChanged(int scancode, bool down, bool repeat, bool altHeld);
    void count(int virtualKey, bool down);
    void focusChanged(std::uint8_t windowEvent);
    void act(PlayerAction action);

    std::array<bool, ScancodeCount> scancodeDown_{};
    // How many keys hold each code down: both Enters give VK_RETURN, both Shifts VK_SHIFT.
    std::array<std::uint8_t, 256> downCount_{};
    std::array<bool, 256> pressedSincePoll_{};
    KeyTranslator keys_;
    KeyReport tapped_{};
    int pendingToggles_ = 0;
    std::function<void()> toggle_;
    std::function<void(PlayerAction)> act_;
    std::vector<PlayerAction> pendingActions_;  // only in a browser; see act()
    bool focused_ = false;
    GamepadKeys gamepads_{[this](int virtualKey, bool down) { count(virtualKey, down); },
                          [this] { act(PlayerAction::Pause); }};
};

}  // namespace platform

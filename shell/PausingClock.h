#pragma once
// The game's clock with the player's pause in it: every sleep and wait of the game first holds
// while the player's layer holds the game, and the time held is not the game's: its clock
// stands still, so it goes on where it stopped, with nothing to catch up. While held, the game
// makes no poll (it polls between its sleeps) and the processor rests on the desktop's events.
#include <cstdint>
#include <functional>

#include "platform/seams/Clock.h"
#include "shell/PlayerLayer.h"

class PausingClock : public platform::RealTimeClock {
  public:
    // How long a held game sleeps on the desktop's events before it looks again.
    static constexpr std::uint32_t HeldWakeMs = 250;
    // A sleep is taken in slices this long, so that a pause asked for during it holds at once.
    static constexpr std::uint64_t SliceNs = 10'000'000;

    // `awaitDesktop` waits up to the given time for the desktop's events and takes them in;
    // false once the window is being closed, which ends the hold. `tick` runs at every call of
    // the game's and every wake while held: the player's actions taken in meanwhile are carried
    // out there.
    PausingClock(platform::Clock& inner, PlayerLayer& layer,
                 std::function<bool(std::uint32_t ms)> awaitDesktop, std::function<void()> tick);

    std::uint64_t nowNs() override;
    void sleepUntilNs(std::uint64_t deadlineNs) override;
    void awaitEvents(std::uint32_t timeoutMs) override;

    // Time held so far.
    std::uint64_t heldNs() const { return heldNs_; }

  private:
    void holdWhileHeld();

    platform::Clock& inner_;
    PlayerLayer& layer_;
    std::function<bool(std::uint32_t)> awaitDesktop_;
    std::function<void()> tick_;
    std::uint64_t heldNs_ = 0;
};

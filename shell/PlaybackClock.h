#pragma once
// The game's clock while a recording plays back, steered: faster or slower than real time, or,
// while skipping ahead, virtual (a sleep passes at once, as on the replay tool's clock). It sets
// only when the game's frames come: what they hold is decided by the polls alone.
#include <cstdint>

#include "platform/seams/Clock.h"

class PlaybackClock : public platform::RealTimeClock {
  public:
    // The game's time runs 2^step as fast as the inner clock's: from a quarter to 16 times.
    static constexpr int SlowestStep = -2;
    static constexpr int FastestStep = 4;

    explicit PlaybackClock(platform::Clock& inner);

    // Kept within SlowestStep..FastestStep; from now on, the time gone so far kept.
    void setSpeedStep(int step);
    int speedStep() const { return step_; }
    void setSkipping(bool skipping);
    bool skipping() const { return skipping_; }

    std::uint64_t nowNs() override;
    void sleepUntilNs(std::uint64_t deadlineNs) override;
    void awaitEvents(std::uint32_t timeoutMs) override;

  private:
    // The inner clock's time for a span of the game's, rounded up: a sleep never ends early.
    std::uint64_t innerSpan(std::uint64_t gameNs) const;
    void anchorHere();
    void lookAtTheDesktop();

    platform::Clock& inner_;
    int step_ = 0;
    bool skipping_ = false;
    // The game's time and the inner clock's at the latest change of speed or skipping.
    std::uint64_t gameAnchorNs_;
    std::uint64_t innerAnchorNs_;
};

#pragma once
// The clock seam: every sleep and every wait for the retrace grid goes through here.
#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Blocks for the given number of milliseconds.
    virtual void sleep(std::uint32_t ms) = 0;
    // Monotonic time in nanoseconds since an arbitrary origin.
    virtual std::uint64_t nowNs() = 0;
    // Blocks until nowNs() has reached the given time; returns at once when it has already.
    virtual void sleepUntilNs(std::uint64_t deadlineNs) = 0;
    // Blocks until the platform has an event for the program (a key, the window's close) or the
    // given number of milliseconds has passed, whichever comes first. The event stays queued.
    virtual void awaitEvents(std::uint32_t timeoutMs) = 0;
    // Time already gone that the next sleep counts as slept (up to its whole length): the
    // present's own work, when the pause after it is to start at the moment the picture was due.
    virtual void countTowardNextSleep(std::uint64_t ns) = 0;
};

// A clock of real time: a sleep waits until a deadline of this clock's own time, less the time
// counted toward it (nowNs and sleepUntilNs say what the clock's time is and how it is waited).
class RealTimeClock : public Clock {
  public:
    void sleep(std::uint32_t ms) override;
    void countTowardNextSleep(std::uint64_t ns) override { alreadyGoneNs_ = ns; }

  private:
    std::uint64_t alreadyGoneNs_ = 0;
};

// Time that passes only when slept: sleeps and waits are counted, never waited.
class VirtualClock : public Clock {
  public:
    void sleep(std::uint32_t ms) override;
    std::uint64_t nowNs() override { return now_; }
    void sleepUntilNs(std::uint64_t deadlineNs) override;
    // Scripted events are there already: returns at once and counts no time.
    void awaitEvents(std::uint32_t) override {}
    // Virtual time passes only in sleeps: there is never anything to count.
    void countTowardNextSleep(std::uint64_t) override {}
    // Moves time on without counting it as a sleep (work that took time).
    void advanceNs(std::uint64_t ns) { now_ += ns; }
    // Everything slept and waited so far, in nanoseconds.
    std::uint64_t waitedNs() const { return waited_; }

  private:
    std::uint64_t now_ = 0;
    std::uint64_t waited_ = 0;
};

// The clock in use; a VirtualClock until another is installed.
Clock& clock();
void installClock(Clock& clock);

}  // namespace platform

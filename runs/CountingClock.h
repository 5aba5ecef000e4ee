#pragma once
// A clock that passes every call on to the clock it wraps and tells of each pause the game asked
// for once it has been slept, for counting the game's time.
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/seams/Clock.h"

class CountingClock : public platform::Clock {
  public:
    CountingClock(platform::Clock& wrapped, std::function<void(std::uint32_t ms)> slept)
        : wrapped_(wrapped), slept_(std::move(slept)) {}

    void sleep(std::uint32_t ms) override {
        wrapped_.sleep(ms);
        slept_(ms);
    }
    std::uint64_t nowNs() override { return wrapped_.nowNs(); }
    void sleepUntilNs(std::uint64_t deadlineNs) override { wrapped_.sleepUntilNs(deadlineNs); }
    void awaitEvents(std::uint32_t timeoutMs) override { wrapped_.awaitEvents(timeoutMs); }
    void countTowardNextSleep(std::uint64_t ns) override { wrapped_.countTowardNextSleep(ns); }

  private:
    platform::Clock& wrapped_;
    std::function<void(std::uint32_t ms)> slept_;
};

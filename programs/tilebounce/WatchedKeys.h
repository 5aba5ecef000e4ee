#pragma once
// The key source the game polls, each poll's report seen as it passes, unchanged: for the keys
// shown and the game's script kept in memory.
#include <functional>
#include <utility>

#include "platform/seams/KeySource.h"

class WatchedKeys : public platform::KeySource {
  public:
    using Watch =
        std::function<void(const platform::KeyReport& reported, const platform::KeyReport& tapped)>;

    WatchedKeys(platform::KeySource& keys, Watch watch) : keys_(keys), watch_(std::move(watch)) {}

    void poll(platform::KeyReport& reported) override {
        keys_.poll(reported);
        watch_(reported, keys_.tappedAtLatestPoll());
    }
    platform::KeyReport tappedAtLatestPoll() const override { return keys_.tappedAtLatestPoll(); }

  private:
    platform::KeySource& keys_;
    Watch watch_;
};

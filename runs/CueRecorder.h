#pragma once
// The replay's sound: which wave started and at which poll, so that a substep can tell the cue
// it started. Nothing is played.
#include <cstdint>
#include <optional>

#include "keyscript/ScriptKeys.h"
#include "platform/seams/Audio.h"

class CueRecorder : public platform::AudioOut {
  public:
    explicit CueRecorder(const ScriptKeySource& keys) : keys_(keys) {}

    void playWave(int resourceId) override;

    // The wave started since the latest poll, if any.
    std::optional<int> waveSinceLatestPoll() const;

  private:
    const ScriptKeySource& keys_;
    std::optional<int> lastWave_;
    std::uint64_t pollsAtLastWave_ = 0;
};

#pragma once
// What the replayed game sees of the world: keys from the script, a window that closes when the
// script runs out, and cues that are recorded instead of played.
#include <cstdint>
#include <optional>

#include "platform/Audio.h"
#include "platform/KeySource.h"
#include "platform/WindowEvents.h"
#include "tools/replay/KeyScript.h"

// Each poll reports the keys of the script's next poll; once they are all used, no key.
class ScriptKeySource : public platform::KeySource {
  public:
    explicit ScriptKeySource(const KeyScript& script) : script_(script) {}

    void poll(platform::KeyReport& reported) override;

    // Every poll made so far, those past the script's end included.
    std::uint64_t polls() const { return polls_; }
    // Every poll of the script has been made.
    bool exhausted() const { return line_ == script_.lines.size(); }

  private:
    const KeyScript& script_;
    std::size_t line_ = 0;
    std::uint64_t usedOfLine_ = 0;
    std::uint64_t polls_ = 0;
};

// The window closes (destroyed, then the quit) at the first look after the script has run out.
class ScriptWindowEvents : public platform::WindowEvents {
  public:
    explicit ScriptWindowEvents(const ScriptKeySource& keys) : keys_(keys) {}

    bool nextMessage(platform::WindowMessage& out) override;

  private:
    const ScriptKeySource& keys_;
    int closingMessagesSent_ = 0;
};

// Records which wave started and at which poll, so a substep can tell the cue it started.
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

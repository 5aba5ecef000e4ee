#pragma once
// What a scripted game sees of the keyboard and the window: the keys of a key script, read as
// they are polled, and a window that closes once the script has run out.
#include <cstdint>

#include "keyscript/KeyScriptReader.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"

// Each poll reports the keys of the script's next poll; once they are all used, no key.
class ScriptKeySource : public platform::KeySource {
  public:
    // Reads the script's first line at once, so that an empty script is exhausted from the start.
    // A `live` source is polled too, for what its poll does besides (taking in the platform's
    // input, Alt+Enter), and what it reports is ignored.
    explicit ScriptKeySource(KeyScriptReader& script, platform::KeySource* live = nullptr);

    void poll(platform::KeyReport& reported) override;
    platform::KeyReport tappedAtLatestPoll() const override { return tapped_; }

    // Every poll made so far, those past the script's end included.
    std::uint64_t polls() const { return polls_; }
    // Every poll of the script has been made (or the reading stopped at a fault).
    bool exhausted() const { return exhausted_; }
    // Ends the script here, as if it had run out: for a run whose output can no longer be written.
    void stop() { exhausted_ = true; }

  private:
    KeyScriptReader& script_;
    platform::KeySource* live_;
    KeyScriptLine line_;
    std::uint32_t usedOfLine_ = 0;
    bool exhausted_ = false;
    std::uint64_t polls_ = 0;
    platform::KeyReport tapped_{};
};

// The window's messages: those of `live` (when given) while the script lasts, then the window
// closes (destroyed, then the quit) at the first look after the script has run out.
class ScriptWindowEvents : public platform::WindowEvents {
  public:
    explicit ScriptWindowEvents(const ScriptKeySource& keys, platform::WindowEvents* live = nullptr)
        : keys_(keys), live_(live) {}

    bool nextMessage(platform::WindowMessage& out) override;

  private:
    const ScriptKeySource& keys_;
    platform::WindowEvents* live_;
    int closingMessagesSent_ = 0;
};

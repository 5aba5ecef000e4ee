#pragma once
// A recording of a game: every poll of the key source the game polls, written as a key script,
// equal polls in a row as one line. What was polled is written out at least once a second of
// the clock and at the end, so that a game killed outright loses at most its last second.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "keyscript/KeyScript.h"
#include "keyscript/PollRuns.h"
#include "platform/seams/KeySource.h"

class KeyRecorder : public platform::KeySource {
  public:
    // A write that fails is told once to `warn`; recording stops there and the game goes on.
    explicit KeyRecorder(std::function<void(const std::string&)> warn);
    // Finishes the recording.
    ~KeyRecorder() override;
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // Creates (or empties) the file at `path`; false with a message naming it when it cannot. A
    // game that starts at a later stage (a practice run) is recorded with a "stage N" line first.
    bool open(const std::string& path, std::int32_t startStage, std::string& error);
    // From now on each poll is answered by `keys` and recorded.
    void recordFrom(platform::KeySource& keys) { keys_ = &keys; }

    void poll(platform::KeyReport& reported) override;
    platform::KeyReport tappedAtLatestPoll() const override { return keys_->tappedAtLatestPoll(); }

    // Every poll recorded so far.
    std::uint64_t polls() const { return polls_; }

    // Writes out the polls not yet written, then `lastComment` as a comment line when given,
    // and closes the file; false when any write failed or the file is no longer at its path
    // (its folder was removed while the game ran), which is told to `warn`.
    bool finish(const std::string& lastComment = {});

  private:
    // A line ended; then, with writeOut, the line being gathered and all before it onto the file.
    void write(const std::optional<KeyScriptLine>& line);
    void writeOut();
    // Notes a failed write: warned once, and the file closed.
    void check(bool written);

    platform::KeySource* keys_ = nullptr;
    std::function<void(const std::string&)> warn_;
    std::string path_;
    std::FILE* file_ = nullptr;
    PollRuns runs_;  // the polls not yet written
    std::uint64_t nextFlushNs_ = 0;
    std::uint64_t polls_ = 0;
    bool failed_ = false;
};

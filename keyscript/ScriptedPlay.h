#pragma once
// The game's recorded and played-back games: `--record FILE` writes every keyboard poll of the
// game as a key script; `--playback FILE` plays a key script in the game's window at the game's
// own speed, with sound, the keyboard ignored (but for Alt+Enter), the game closing when the
// script runs out as in the replay tool. Both are made ready before any window opens.
// `--record-link FILE` writes the recording's link into FILE as the game ends (the web page
// offers it), made by the same code as the replay tool's --link.
#include <cstdint>
#include <optional>
#include <string>

#include "keyscript/KeyRecorder.h"
#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "keyscript/ScriptKeys.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"

struct ScriptedPlayOptions {
    std::optional<std::string> recordPath;
    std::optional<std::string> playbackPath;
    std::optional<std::string> recordLinkPath = {};  // only beside recordPath
    std::int32_t startStage = 1;                     // where the recorded game starts
};

class ScriptedPlay {
  public:
    ScriptedPlay();
    ScriptedPlay(const ScriptedPlay&) = delete;
    ScriptedPlay& operator=(const ScriptedPlay&) = delete;

    // Reads the script to play back whole, checking it, and creates the recording. False with
    // the message in `error` and the exit status for it in `status`: 2 for a bad script (the
    // replay tool's message) or a recording that would overwrite it, 1 for a recording that
    // cannot be written.
    bool prepare(const ScriptedPlayOptions& options, std::string& error, int& status);

    // Installs the key source and window events the options call for around the live ones,
    // which must outlive this object. Nothing changes without options.
    void install(platform::KeySource& liveKeys, platform::WindowEvents& liveEvents);

    // A script played back and not recorded again can start again: a recording is written as
    // it goes, to a file or a stream, and what it already holds cannot be taken back.
    bool restartable() const { return playbackReader_ && !recording_; }
    // Installs the script played back again from its first line, for the game run afresh; false
    // with the message when it cannot be read again.
    bool restart(std::string& error);

    // The stage a played-back script starts at, when it names one.
    std::optional<std::int32_t> startStage();

    // Polls recorded so far.
    std::uint64_t polls() const { return recorder_.polls(); }
    // Polls of the script played back so far, and all it holds.
    std::uint64_t playedPolls() const { return playbackKeys_ ? playbackKeys_->polls() : 0; }
    std::uint64_t playbackPolls() const { return playbackFile_.polls(); }

    // Ends the recording with how the game ended as its last line, a comment, and writes its
    // link when asked; false when any of it could not be written (told on stderr already).
    bool finish(const std::string& endLine);

    // Empty, or why the script played back could not be played as it was checked: it failed
    // to read, or it was overwritten while it played.
    std::string playbackFault() const;

  private:
    // The played-back keys, with the script's file looked at every few polls: a script
    // overwritten while it plays ends there.
    class CheckedPlayback : public platform::KeySource {
      public:
        CheckedPlayback(ScriptKeySource& keys, const KeyScriptFile& file)
            : keys_(keys), file_(file) {}
        void poll(platform::KeyReport& reported) override;
        platform::KeyReport tappedAtLatestPoll() const override {
            return keys_.tappedAtLatestPoll();
        }

      private:
        ScriptKeySource& keys_;
        const KeyScriptFile& file_;
    };

    // The played-back keys and window events from the script's reader as it stands.
    void startPlayback();

    KeyScriptFile playbackFile_;
    std::optional<KeyScriptReader> playbackReader_;
    std::optional<ScriptKeySource> playbackKeys_;
    std::optional<CheckedPlayback> checkedPlayback_;
    std::optional<ScriptWindowEvents> playbackEvents_;
    bool recording_ = false;
    std::optional<std::string> recordPath_;
    std::optional<std::string> recordLinkPath_;
    KeyRecorder recorder_;
    platform::KeySource* liveKeys_ = nullptr;
    platform::WindowEvents* liveEvents_ = nullptr;
};

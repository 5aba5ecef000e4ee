#pragma once
// The seams a benchmark of the game runs on, installed for its scope: a virtual clock (the
// game's pauses cost nothing), sound that starts nothing, keys pressed by hand and the one
// Keyboard reading them. What was installed before comes back at the end.
#include <optional>

#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"
#include "shell/Keyboard.h"

class QuietSeams {
  public:
    QuietSeams() {
        platform::installClock(clock_);
        platform::installAudioOut(audio_);
        platform::installKeySource(keys);
        keyboard = &keyboard_.emplace();
    }
    ~QuietSeams() {
        keyboard = nullptr;
        platform::installClock(previousClock_);
        platform::installAudioOut(previousAudio_);
        platform::installKeySource(previousKeys_);
    }
    QuietSeams(const QuietSeams&) = delete;
    QuietSeams& operator=(const QuietSeams&) = delete;

    platform::ScriptedKeySource keys;

  private:
    class SilentAudio : public platform::AudioOut {
      public:
        void playWave(int) override {}
    };

    platform::Clock& previousClock_ = platform::clock();
    platform::AudioOut& previousAudio_ = platform::audioOut();
    platform::KeySource& previousKeys_ = platform::keySource();
    platform::VirtualClock clock_;
    SilentAudio audio_;
    std::optional<Keyboard> keyboard_;
};

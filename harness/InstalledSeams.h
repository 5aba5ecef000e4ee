#pragma once
// The one way to run the game on seams of one's own, for tests, benchmarks and tools: the seams
// installed for a scope, what was installed before coming back at its end.
#include <optional>

#include "platform/seams/Audio.h"
#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"
#include "shell/Keyboard.h"
#include "shell/MainWindow.h"

// The seams to install; one left null (or an empty factory) keeps the one installed.
struct Seams {
    platform::Clock* clock = nullptr;
    platform::KeySource* keys = nullptr;
    platform::WindowEvents* events = nullptr;
    platform::AudioOut* audio = nullptr;
    WindowFactory windows{};
};

class InstalledSeams {
  public:
    explicit InstalledSeams(Seams seams);
    ~InstalledSeams();
    InstalledSeams(const InstalledSeams&) = delete;
    InstalledSeams& operator=(const InstalledSeams&) = delete;

  private:
    platform::Clock& clock_;
    platform::KeySource& keys_;
    platform::WindowEvents& events_;
    platform::AudioOut& audio_;
    std::optional<WindowFactory> windows_;
};

// The game in memory, with no window: a virtual clock (pauses cost nothing), keys pressed by
// hand, the cues recorded, and the program's Keyboard reading those keys. Installed for its
// scope on a fresh game (resetGame).
class InMemoryGame {
  public:
    InMemoryGame();
    ~InMemoryGame();
    InMemoryGame(const InMemoryGame&) = delete;
    InMemoryGame& operator=(const InMemoryGame&) = delete;

    // A fresh game: resetGame, the seams as new, and a new Keyboard with its first poll.
    void restart();

    platform::VirtualClock clock;
    platform::ScriptedKeySource keys;
    platform::RecordingAudio audio;

  private:
    InstalledSeams installed_{{.clock = &clock, .keys = &keys, .audio = &audio}};
    std::optional<Keyboard> keyboard_;
};

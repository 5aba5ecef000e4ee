#include "harness/InstalledSeams.h"

#include <utility>

#include "game/ResetGame.h"

InstalledSeams::InstalledSeams(Seams seams)
    : clock_(platform::clock()),
      keys_(platform::keySource()),
      events_(platform::windowEvents()),
      audio_(platform::audioOut()) {
    if (seams.clock != nullptr) {
        platform::installClock(*seams.clock);
    }
    if (seams.keys != nullptr) {
        platform::installKeySource(*seams.keys);
    }
    if (seams.events != nullptr) {
        platform::installWindowEvents(*seams.events);
    }
    if (seams.audio != nullptr) {
        platform::installAudioOut(*seams.audio);
    }
    if (seams.windows) {
        windows_ = installWindowFactory(std::move(seams.windows));
    }
}

InstalledSeams::~InstalledSeams() {
    platform::installClock(clock_);
    platform::installKeySource(keys_);
    platform::installWindowEvents(events_);
    platform::installAudioOut(audio_);
    if (windows_) {
        installWindowFactory(std::move(*windows_));
    }
}

InMemoryGame::InMemoryGame() {
    restart();
}

InMemoryGame::~InMemoryGame() {
    keyboard = nullptr;
}

void InMemoryGame::restart() {
    resetGame();
    clock = {};
    keys = {};
    audio.played.clear();
    keyboard = &keyboard_.emplace();  // polls the keys, as start-up polls the real ones
}

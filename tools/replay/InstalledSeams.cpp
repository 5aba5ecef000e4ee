#include "tools/replay/InstalledSeams.h"

#include <utility>

#include "game/GameState.h"
#include "game/Random.h"
#include "shell/WindowInput.h"

InstalledSeams::InstalledSeams(platform::Clock& clock, platform::KeySource& keys,
                               platform::WindowEvents& events, platform::AudioOut& audio,
                               WindowFactory windows)
    : clock_(platform::clock()),
      keys_(platform::keySource()),
      events_(platform::windowEvents()),
      audio_(platform::audioOut()),
      windows_(installWindowFactory(std::move(windows))) {
    platform::installClock(clock);
    platform::installKeySource(keys);
    platform::installWindowEvents(events);
    platform::installAudioOut(audio);
}

InstalledSeams::~InstalledSeams() {
    platform::installClock(clock_);
    platform::installKeySource(keys_);
    platform::installWindowEvents(events_);
    platform::installAudioOut(audio_);
    installWindowFactory(std::move(windows_));
}

void startGameAfresh() {
    gameState = GameState{};
    randomState = 1;
    windowInput = WindowInput{};
}

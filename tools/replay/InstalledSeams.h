#pragma once
// The seams a run of the game goes through, installed for a scope; what was installed before
// comes back at its end. Also the game's globals as the program starts with them.
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"
#include "platform/WindowEvents.h"
#include "shell/MainWindow.h"

class InstalledSeams {
  public:
    InstalledSeams(platform::Clock& clock, platform::KeySource& keys,
                   platform::WindowEvents& events, platform::AudioOut& audio,
                   WindowFactory windows);
    ~InstalledSeams();
    InstalledSeams(const InstalledSeams&) = delete;
    InstalledSeams& operator=(const InstalledSeams&) = delete;

  private:
    platform::Clock& clock_;
    platform::KeySource& keys_;
    platform::WindowEvents& events_;
    platform::AudioOut& audio_;
    WindowFactory windows_;
};

// The game state, the random sequence and the window's input record as at program start.
void startGameAfresh();

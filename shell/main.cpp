// The game on the desktop: SDL's clock, keys, window messages, sound and window stand behind
// the seams, then start-up and the game. Every way out of the game is a normal exit.
#include <cstdio>

#include "display/Display.h"
#include "game/RunGame.h"
#include "platform/SdlAudio.h"
#include "platform/SdlClock.h"
#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/SdlWindow.h"
#include "platform/SdlWindowEvents.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"

namespace {

// Alt+Enter: desktop full screen and a window, in turn.
void toggleFullScreen() {
    if (display != nullptr && display->window != nullptr) {
        display->window->setFullScreen(!display->window->isFullScreen());
    }
}

}  // namespace

int main() {
    // Made first and ended last: its end shuts SDL down, which gives the desktop back.
    platform::SdlSession session(MainWindowClassName);
    if (!session.started()) {
        std::fprintf(stderr, "tilebounce: %s\n", session.failure().c_str());
        return 1;
    }
    platform::SdlClock clock;
    platform::installClock(clock);
    platform::SdlKeySource keys;
    platform::installKeySource(keys);
    platform::SdlWindowEvents events;
    platform::installWindowEvents(events);
    platform::SdlAudio audio;
    platform::installAudioOut(audio);
    keys.onFullScreenToggle(toggleFullScreen);
    installWindowFactory(platform::createSdlWindow);

    const StartUp startUp;
    if (runGame() == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    return 0;
}

// The game on the desktop: SDL's clock, keys, window messages, sound and window stand behind
// the seams, then start-up and the game. Every way out of the game is a normal exit.
//
// For measuring the pace from outside, TILEBOUNCE_PRESENT_LOG=FILE appends the monotonic time in
// nanoseconds of every present to FILE, one line each; the game itself runs as without it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "display/Display.h"
#include "game/RunGame.h"
#include "platform/SdlAudio.h"
#include "platform/SdlClock.h"
#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/SdlWindow.h"
#include "platform/SdlWindowEvents.h"
#include "shell/MainWindow.h"
#include "shell/PresentLog.h"
#include "shell/StartUp.h"

namespace {

// Alt+Enter: desktop full screen and a window, in turn.
void toggleFullScreen() {
    if (display != nullptr && display->window != nullptr) {
        display->window->setFullScreen(!display->window->isFullScreen());
    }
}

// The desktop window, its presents logged when TILEBOUNCE_PRESENT_LOG names a file. False, with
// a line on stderr, when that file cannot be written.
bool installWindows() {
    WindowFactory windows = platform::createSdlWindow;
    if (const char* presentLog = std::getenv("TILEBOUNCE_PRESENT_LOG")) {
        std::string error;
        windows = logPresents(std::move(windows), presentLog, error);
        if (!windows) {
            std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
            return false;
        }
    }
    installWindowFactory(std::move(windows));
    return true;
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
    if (!installWindows()) {
        return 2;
    }

    const StartUp startUp;
    if (runGame() == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    return 0;
}

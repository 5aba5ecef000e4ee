// The game on the desktop: SDL's clock, keys, window messages, sound and window stand behind
// the seams, then start-up and the game. Every way out of the game is a normal exit.
//
// For measuring the pace from outside, TILEBOUNCE_PRESENT_LOG=FILE appends the monotonic time in
// nanoseconds of every present to FILE, one line each; the game itself runs as without it. Console
// lines that could not be written are reported at the end, with exit status 1.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "display/Display.h"
#include "game/ConsoleLine.h"
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

// The desktop window, its presents logged when TILEBOUNCE_PRESENT_LOG names a file. A log that
// cannot be written is named once on stderr; the game goes on.
void installWindows() {
    WindowFactory windows = platform::createSdlWindow;
    if (const char* presentLog = std::getenv("TILEBOUNCE_PRESENT_LOG")) {
        windows = logPresents(std::move(windows), presentLog, [](const std::string& problem) {
            std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
        });
    }
    installWindowFactory(std::move(windows));
}

}  // namespace

int main() {
    // Past `ulimit -f` a write fails and is reported, instead of the signal ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
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
    installWindows();

    const StartUp startUp;
    if (runGame() == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    if (consoleWriteError() != 0) {
        std::fprintf(stderr, "tilebounce: cannot write standard output: %s\n",
                     std::strerror(consoleWriteError()));
        return 1;
    }
    return 0;
}

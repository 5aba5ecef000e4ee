// The game on the desktop: SDL's clock, keys, window messages, sound and window stand behind
// the seams, then start-up and the game. Every way out of the game is a normal exit.
//
// --record FILE writes every keyboard poll as a key script; --playback FILE plays one instead of
// the keyboard (see ScriptedPlay.h).
//
// For measuring the pace from outside, TILEBOUNCE_PRESENT_LOG=FILE appends the monotonic time in
// nanoseconds of every present to FILE, one line each; the game itself runs as without it. Console
// lines that could not be written are reported at the end, with exit status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "display/Display.h"
#include "game/ConsoleLine.h"
#include "game/EndLine.h"
#include "game/GameState.h"
#include "game/RunGame.h"
#include "platform/SdlAudio.h"
#include "platform/SdlClock.h"
#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/SdlWindow.h"
#include "platform/SdlWindowEvents.h"
#include "platform/StandardDescriptors.h"
#include "platform/StandardIo.h"
#include "shell/MainWindow.h"
#include "shell/PresentLog.h"
#include "shell/ScriptedPlay.h"
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

constexpr const char* Usage = "usage: tilebounce [--record FILE] [--playback FILE]";

bool parseArguments(int argc, char** argv, ScriptedPlayOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (!takeScriptedPlayOption(argc, argv, i, options)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    platform::openClosedStandardDescriptors();
    platform::setUpStandardIo();
    ScriptedPlayOptions options;
    if (!parseArguments(argc, argv, options)) {
        std::fprintf(stderr, "%s\n", Usage);
        return 2;
    }
    // Ready before any window: a bad script or an unwritable recording stops the game here.
    ScriptedPlay scripted;
    std::string error;
    if (int status = 0; !scripted.prepare(options, error, status)) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
        return status;
    }
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
    scripted.install(keys, events);
    installWindows();

    std::uint64_t substeps = 0;
    observeSubsteps([&substeps] { ++substeps; });
    const StartUp startUp;
    const GameEnd end = runGame();
    if (end == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    int status = scripted.finish(
                     endLine({end, gameState.stage, gameState.lives, scripted.polls(), substeps}))
                     ? 0
                     : 1;
    if (consoleWriteError() != 0) {
        std::fprintf(stderr, "tilebounce: cannot write standard output: %s\n",
                     std::strerror(consoleWriteError()));
        status = 1;
    }
    return status;
}

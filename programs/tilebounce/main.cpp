// The game on the desktop: the command line and the settings file set it up, SDL's clock, keys,
// window messages, sound and window stand behind the seams, then start-up and the game. Every way
// out of the game is a normal exit; what the player changed on the way is kept in the settings.
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
#include <optional>
#include <string>
#include <utility>

#include "game/ConsoleLine.h"
#include "game/EndLine.h"
#include "game/GameState.h"
#include "game/RunGame.h"
#include "keyscript/ScriptedPlay.h"
#include "platform/SdlAudio.h"
#include "platform/SdlClock.h"
#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/SdlWindow.h"
#include "platform/SdlWindowEvents.h"
#include "platform/StandardIo.h"
#include "platform/VirtualKeys.h"
#include "programs/tilebounce/Preferences.h"
#include "shell/MainWindow.h"
#include "shell/PresentLog.h"
#include "shell/StartUp.h"

namespace {

// The desktop window as the player set it up, its presents logged when TILEBOUNCE_PRESENT_LOG
// names a file. A log that cannot be written is named once on stderr; the game goes on.
void installWindows(const Preferences& preferences, DesktopWindow*& made) {
    WindowFactory windows = [&preferences, &made](const char* title, std::string& error) {
        std::unique_ptr<platform::SdlWindow> window = platform::createSdlWindow(title, error);
        if (!window) {
            return std::unique_ptr<platform::Window>();
        }
        window->scaleByWholeMultiples(preferences.integerScale);
        window->setScaling(preferences.scaling);
        auto desktop = std::make_unique<DesktopWindow>(std::move(window), preferences.window);
        made = desktop.get();
        return std::unique_ptr<platform::Window>(std::move(desktop));
    };
    if (const char* presentLog = std::getenv("TILEBOUNCE_PRESENT_LOG")) {
        windows = logPresents(std::move(windows), presentLog, [](const std::string& problem) {
            std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
        });
    }
    installWindowFactory(std::move(windows));
}

void keepChanges(const SettingsFile& read, const Preferences& preferences,
                 const DesktopWindow& window) {
    const Settings kept = settingsAfter(read.settings, preferences.window, window.choice());
    std::string error;
    if (kept != read.settings && !read.path.empty() && !writeSettings(read, kept, error)) {
        std::fprintf(stderr, "tilebounce: the settings were not saved: %s\n", error.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    GameOptions options;
    if (const std::optional<int> status = stopAfter(readGameCommandLine(argc, argv, options))) {
        return *status;
    }
    // Ready before any window: a bad script or an unwritable recording stops the game here.
    options.scripted.startStage = options.stage;
    ScriptedPlay scripted;
    std::string error;
    if (int status = 0; !scripted.prepare(options.scripted, error, status)) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
        return status;
    }
    const SettingsFile settings = readSettings(settingsPath());
    if (!settings.damage.empty()) {
        std::fprintf(stderr,
                     "tilebounce: settings file %s; defaults are used for what could not be read\n",
                     settings.damage.c_str());
    }
    const Preferences preferences = preferencesFor(settings.settings, options);

    // Made first and ended last: its end shuts SDL down, which gives the desktop back.
    platform::SdlSession session(MainWindowClassName);
    if (!session.started()) {
        std::fprintf(stderr, "tilebounce: %s\n", session.failure().c_str());
        return 1;
    }
    platform::SdlClock clock;
    platform::installClock(clock);
    platform::bindKeys(preferences.keys);
    platform::SdlKeySource keys;
    platform::installKeySource(keys);
    platform::SdlWindowEvents events;
    platform::installWindowEvents(events);
    platform::SilentAudio silence;
    std::optional<platform::SdlAudio> audio;
    if (preferences.sound) {
        platform::installAudioOut(audio.emplace(preferences.volume));
    } else {
        platform::installAudioOut(silence);
    }
    DesktopWindow* window = nullptr;
    keys.onFullScreenToggle([&window] {
        if (window != nullptr) {
            window->toggleFullScreen();
        }
    });
    scripted.install(keys, events);
    installWindows(preferences, window);

    std::uint64_t substeps = 0;
    observeSubsteps([&substeps] { ++substeps; });
    const StartUp startUp;
    const GameEnd end = runGame(scripted.startStage().value_or(preferences.stage));
    if (end == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    keepChanges(settings, preferences, *window);
    int status = scripted.finish(
                     endLine({end, gameState.stage, gameState.lives, scripted.polls(), substeps}))
                     ? 0
                     : 1;
    if (consoleWriteError() != 0) {
        std::fprintf(stderr, "tilebounce: cannot write standard output: %s\n",
                     std::strerror(consoleWriteError()));
        status = 1;
    }
    if (const std::string fault = scripted.playbackFault(); !fault.empty()) {
        std::fprintf(stderr, "tilebounce: %s\n", fault.c_str());
        status = 2;
    }
    return status;
}

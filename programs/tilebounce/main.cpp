// The game on the desktop: the command line and the settings file set it up, SDL's clock, keys,
// window messages, sound and window stand behind the seams, then start-up and the game. Every way
// out of the game is a normal exit; what the player changed on the way is kept in the settings,
// within a second of the change and at the end. The player's layer (pause, help, volume, the
// title's hint) stands around the game: its clock pauses, its overlays lie over the picture.
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
#include "platform/OverlayPainter.h"
#include "platform/Screens.h"
#include "platform/SdlAudio.h"
#include "platform/SdlClock.h"
#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/SdlWindow.h"
#include "platform/SdlWindowEvents.h"
#include "platform/StandardIo.h"
#include "platform/VirtualKeys.h"
#include "platform/WindowIcon.h"
#include "programs/tilebounce/Preferences.h"
#include "programs/tilebounce/SettingsKeeper.h"
#include "shell/LayeredWindow.h"
#include "shell/MainWindow.h"
#include "shell/PausingClock.h"
#include "shell/PlayerLayer.h"
#include "shell/PresentLog.h"
#include "shell/StartUp.h"
#include "shell/WindowPlacement.h"

namespace {

// The game's window as made: the player's window and the SDL window under it.
struct WindowsMade {
    DesktopWindow* desktop = nullptr;
    platform::SdlWindow* shown = nullptr;
};

// Forgets the windows made as it ends, just after they are destroyed: the player's actions may
// still come while SDL winds down.
struct ForgetWindows {
    WindowsMade& made;
    ~ForgetWindows() { made = {}; }
};

// The desktop window as the player set it up, with the game's icon and the player's layer drawn
// over its pictures; its presents logged when TILEBOUNCE_PRESENT_LOG names a file. A log that
// cannot be written is named once on stderr; the game goes on.
void installWindows(const Preferences& preferences, const WindowChoice& choice, PlayerLayer& layer,
                    platform::OverlayPainter& painter, WindowsMade& made) {
    WindowFactory windows = [&](const char* title, std::string& error) {
        std::unique_ptr<platform::SdlWindow> window = platform::createSdlWindow(title, error);
        if (!window) {
            return std::unique_ptr<platform::Window>();
        }
        window->scaleByWholeMultiples(preferences.integerScale);
        window->setScaling(preferences.scaling);
        platform::setWindowIcon(*window);
        window->drawOver([&painter, &layer](SDL_Renderer* renderer, const RECT& picture) {
            return painter.paint(renderer, picture, layer.overlay());
        });
        made.shown = window.get();
        auto desktop = std::make_unique<DesktopWindow>(std::move(window), choice);
        made.desktop = desktop.get();
        return std::unique_ptr<platform::Window>(
            std::make_unique<LayeredWindow>(std::move(desktop), layer));
    };
    if (const char* presentLog = std::getenv("TILEBOUNCE_PRESENT_LOG")) {
        windows = logPresents(std::move(windows), presentLog, [](const std::string& problem) {
            std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
        });
    }
    installWindowFactory(std::move(windows));
}

// The player's layer of this run: it shows its overlays again in the window made, and pauses and
// sets the sound there is.
PlayerLayerSetUp playerLayerSetUp(const Preferences& preferences, const Settings& settings,
                                  const WindowsMade& windows,
                                  std::optional<platform::SdlAudio>& audio) {
    return {.volume = preferences.volume,
            .muted = preferences.muted,
            .furthestStage = preferences.furthestStage,
            .keys = shownKeys(settings),
            .redraw =
                [&windows] {
                    if (windows.shown != nullptr) {
                        windows.shown->showAgain();
                    }
                },
            .pauseSound =
                [&audio](bool paused) {
                    if (audio) {
                        audio->setPaused(paused);
                    }
                },
            .setVolume =
                [&audio](int volume) {
                    if (audio) {
                        audio->setVolume(volume);
                    }
                }};
}

// The stage in play, for the furthest reached: none on the title, or after the ending.
std::int32_t stageInPlay() {
    return gameState.stage >= FirstStage && gameState.stage <= LastStage ? gameState.stage : 0;
}

}  // namespace

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    GameOptions options;
    if (const std::optional<int> status = stopAfter(readGameCommandLine(argc, argv, options))) {
        return *status;
    }
    const SettingsFile settings = readSettings(settingsPath());
    if (!settings.damage.empty()) {
        std::fprintf(stderr,
                     "tilebounce: settings file %s; defaults are used for what could not be read\n",
                     settings.damage.c_str());
    }
    const Preferences preferences = preferencesFor(settings.settings, options);
    // Ready before any window: a bad script or an unwritable recording stops the game here.
    options.scripted.startStage = preferences.stage;
    ScriptedPlay scripted;
    std::string error;
    if (int status = 0; !scripted.prepare(options.scripted, error, status)) {
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
    platform::bindKeys(preferences.keys);
    platform::bindPlayerKeys(preferences.playerKeys);
    for (const std::string& clash : keyClashes()) {
        std::fprintf(stderr, "tilebounce: %s\n", clash.c_str());
    }
    platform::SdlKeySource keys;
    platform::installKeySource(keys);
    platform::SdlWindowEvents events;
    platform::installWindowEvents(events);
    platform::SilentAudio silence;
    std::optional<platform::SdlAudio> audio;
    if (preferences.sound) {
        platform::installAudioOut(audio.emplace(preferences.muted ? 0 : preferences.volume));
    } else {
        platform::installAudioOut(silence);
    }

    WindowsMade windows;
    PlayerLayer layer(playerLayerSetUp(preferences, settings.settings, windows, audio), clock);
    keys.onPlayerAction([&layer](platform::PlayerAction action) { layer.act(action); });
    keys.onFullScreenToggle([&windows] {
        if (windows.desktop != nullptr) {
            windows.desktop->toggleFullScreen();
        }
    });

    const WindowChoice window = fittedOnScreens(preferences.window, platform::usableScreenAreas(),
                                                ScreenWidth, ScreenHeight);
    const RunState started{window, preferences.volume, preferences.muted,
                           preferences.furthestStage};
    const auto now = [&] {
        return RunState{windows.desktop != nullptr ? windows.desktop->choice() : window,
                        layer.volume(), layer.muted(), layer.furthestStage()};
    };
    SettingsKeeper keeper(
        settings, [&] { return settingsAfter(settings.settings, started, now()); }, clock);
    // A game played back is not the player's progress.
    const bool playing = !options.scripted.playbackPath;
    PausingClock pausing(
        clock, layer,
        [&](std::uint32_t ms) {
            clock.awaitEvents(ms);
            events.takeInWaiting();
            keys.toggleAsAsked();
            return !events.closed();
        },
        [&] {
            if (playing) {
                layer.reachedStage(stageInPlay());
            }
            // Between the slices of a sleep too, not only at the next poll: a change made while
            // the game sleeps on a screen is shown and kept at once.
            keys.toggleAsAsked();
            layer.tick();
            keeper.keepSoon();
        });
    platform::installClock(pausing);
    scripted.install(keys, events);
    platform::OverlayPainter painter;
    installWindows(preferences, window, layer, painter, windows);

    std::uint64_t substeps = 0;
    observeSubsteps([&substeps] { ++substeps; });
    const ForgetWindows forget{windows};
    const StartUp startUp;
    const GameEnd end = runGame(scripted.startStage().value_or(preferences.stage));
    if (end == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    keeper.keepNow();
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

// The game on the desktop: the command line and the settings file set it up, SDL's clock, keys,
// window messages, sound and window stand behind the seams, then start-up and the game. Every way
// out of the game is a normal exit; what the player changed on the way is kept in the settings,
// within a second of the change and at the end. The player's layer (pause, help, volume, the
// title's hint) stands around the game: its clock pauses, its overlays lie over the picture.
//
// --record FILE writes every keyboard poll as a key script; --playback FILE plays one instead of
// the keyboard (see ScriptedPlay.h), steered by the player (see PlaybackControl.h), who may take
// it back to its start: the game is run again from its start-up, in the window as the player left
// it, and the last run gives the end line and the exit status. Every game
// played is timed in the game's own time and kept in memory as a key script, which sets the
// personal bests it beats; --ghost races another script's ball (see ShownRun.h).
//
// For measuring the pace from outside, TILEBOUNCE_PRESENT_LOG=FILE appends the monotonic time in
// nanoseconds of every present to FILE, one line each; the game itself runs as without it. Console
// lines that could not be written are reported at the end, with exit status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "commandline/CommandLine.h"
#include "game/ConsoleLine.h"
#include "game/EndLine.h"
#include "game/GameState.h"
#include "game/ResetGame.h"
#include "game/RunGame.h"
#include "keyscript/PollRuns.h"
#include "keyscript/ScriptedPlay.h"
#include "platform/files/StandardIo.h"
#include "platform/sdl/Monitors.h"
#include "platform/sdl/OverlayPainter.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlKeySource.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/SdlWindowEvents.h"
#include "platform/sdl/WindowIcon.h"
#include "platform/sdl/keys/VirtualKeys.h"
#include "programs/tilebounce/Preferences.h"
#include "programs/tilebounce/SettingsKeeper.h"
#include "programs/tilebounce/ShownRun.h"
#include "programs/tilebounce/WatchedKeys.h"
#include "runs/RecordsFile.h"
#include "shell/LayeredWindow.h"
#include "shell/MainWindow.h"
#include "shell/PausingClock.h"
#include "shell/PlaybackClock.h"
#include "shell/PlaybackControl.h"
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
                    platform::OverlayPainter& painter, WindowsMade& made,
                    PlaybackControl* playback) {
    // The window is made later, in runGame: the pointer is kept by value, not the parameter.
    WindowFactory windows = [&, playback](const char* title, std::string& error) {
        std::unique_ptr<platform::SdlWindow> window = platform::createGameWindow(title, error);
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
        auto layered = std::make_unique<LayeredWindow>(std::move(desktop), layer);
        if (playback != nullptr) {
            return std::unique_ptr<platform::Window>(
                std::make_unique<PlaybackWindow>(std::move(layered), *playback));
        }
        return std::unique_ptr<platform::Window>(std::move(layered));
    };
    if (const char* presentLog = std::getenv("TILEBOUNCE_PRESENT_LOG")) {
        windows = logPresents(std::move(windows), presentLog, [](const std::string& problem) {
            std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
        });
    }
    installWindowFactory(std::move(windows));
}

// What the command line and the settings file ask for, with the script made ready.
struct SetUp {
    GameOptions options;
    SettingsFile settings;
    Preferences preferences;
    ScriptedPlay scripted;
    RecordsFile records;
    std::optional<Ghost> ghost;
};

// The player's layer of this run: it shows its overlays again in the window made, and pauses and
// sets the sound there is.
PlayerLayerSetUp playerLayerSetUp(const Preferences& preferences, const SetUp& setUp,
                                  const WindowsMade& windows,
                                  std::optional<platform::SdlAudio>& audio) {
    return {.volume = preferences.volume,
            .muted = preferences.muted,
            .furthestStage = preferences.furthestStage,
            .keys = shownKeys(setUp.settings.settings),
            .timerShown = preferences.timerShown,
            .playbackRestarts = setUp.scripted.restartable(),
            .bests = bestsShown(setUp.records.records),
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

// The records kept, their faults named on stderr, and the ghost asked for; false when the ghost's
// script cannot be read. Both replay off screen, so before the game starts.
bool readRuns(SetUp& setUp) {
    if (const std::filesystem::path path = recordsPath(); !path.empty()) {
        setUp.records = readRecords(path);
    }
    for (const std::string& warning : setUp.records.warnings) {
        std::fprintf(stderr, "tilebounce: %s\n", warning.c_str());
    }
    std::string error;
    const Preferences& p = setUp.preferences;
    if (p.ghostPath) {
        setUp.ghost = Ghost::fromScript(*p.ghostPath, error);
    } else if (const std::optional<Record>& best = setUp.records.records.of(WholeGame);
               p.ghostBest && best) {
        setUp.ghost = Ghost::fromText(best->script, "the best game kept", error);
    } else if (p.ghostBest && setUp.options.ghost) {
        std::fprintf(stderr, "tilebounce: no best game is kept yet, so there is no ghost\n");
    }
    if (!error.empty()) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
        return false;
    }
    return true;
}

// Reads the set-up; the status to end with when the game is not to start. The script is ready
// before any window: a bad script or an unwritable recording stops the game here.
std::optional<int> readSetUp(int argc, char** argv, SetUp& setUp) {
    if (const std::optional<int> status =
            stopAfter(readGameCommandLine(argc, argv, setUp.options))) {
        return status;
    }
    setUp.settings = readSettings(settingsPath());
    if (!setUp.settings.damage.empty()) {
        std::fprintf(stderr,
                     "tilebounce: settings file %s; defaults are used for what could not be read\n",
                     setUp.settings.damage.c_str());
    }
    setUp.preferences = preferencesFor(setUp.settings.settings, setUp.options);
    setUp.options.scripted.startStage = setUp.preferences.stage;
    // Recording over the ghost's script would wipe it before it is read.
    std::string error = sameFileClash({{"--record", setUp.options.scripted.recordPath.value_or("")},
                                       {"--ghost", setUp.preferences.ghostPath.value_or("")}});
    if (!error.empty()) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
        return 2;
    }
    if (int status = 0; !setUp.scripted.prepare(setUp.options.scripted, error, status)) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
        return status;
    }
    if (!readRuns(setUp)) {
        return 2;
    }
    return std::nullopt;
}

// Binds the player's keys before any key is read, naming each clash on stderr; always true.
bool bindKeysOf(const Preferences& preferences) {
    platform::bindKeys(preferences.keys);
    platform::bindPlayerKeys(preferences.playerKeys);
    for (const std::string& clash : keyClashes()) {
        std::fprintf(stderr, "tilebounce: %s\n", clash.c_str());
    }
    return true;
}

// The end line, the console's and the playback's faults; the exit status they make.
int reportEnd(ScriptedPlay& scripted, GameEnd end, std::uint64_t substeps) {
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

// SDL's clock, keys, window messages, sound and window installed behind the seams, with the
// player's layer around the game and the settings kept as the player changes them. Made once the
// SDL session has started; its members are made in the order they are listed.
class Desktop {
  public:
    explicit Desktop(SetUp& setUp);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Runs the game to its end, again from its start as often as the player takes a playback
    // back to it, and reports the last run; the exit status.
    int runGameAndReport();

  private:
    RunState now() const {
        return RunState{windows_.desktop != nullptr ? windows_.desktop->choice() : placed_,
                        layer_.volume(), layer_.muted(), layer_.furthestStage(),
                        layer_.timerShown()};
    }
    // Waits for the window's messages until `ms` have gone; false once the window is closed.
    bool awaitEvents(std::uint32_t ms);
    // What the player's layer and the settings do at each tick of the game's clock.
    void tick();
    // The game's poll, as the player's layer and the game's script see it.
    void polled(const platform::KeyReport& reported, const platform::KeyReport& tapped);
    // The run played offered to the records, which keep what it beats; a game played back sets
    // none.
    void keepRecords(const RunTimes& times);
    // The results on view until a key is pressed, the window is closed, or ResultsShownNs.
    void holdResults();
    // One run of the game from its start-up; the window's choice is kept for the next.
    GameEnd runOnce();

    SetUp& setUp_;
    const Preferences& preferences_ = setUp_.preferences;
    platform::SdlClock clock_;
    const bool keysBound_ = bindKeysOf(preferences_);
    platform::SdlKeySource keys_;
    platform::SdlWindowEvents events_;
    platform::SilentAudio silence_;
    std::optional<platform::SdlAudio> audio_;
    WindowsMade windows_;
    PlayerLayer layer_{playerLayerSetUp(preferences_, setUp_, windows_, audio_), clock_};
    const WindowChoice window_ = fittedOnScreens(
        preferences_.window, platform::usableMonitorAreas(), ScreenWidth, ScreenHeight);
    // Where the next window opens: the player's choice as the last window left it.
    WindowChoice placed_ = window_;
    const RunState started_{window_, preferences_.volume, preferences_.muted,
                            preferences_.furthestStage, preferences_.timerShown};
    SettingsKeeper keeper_{
        setUp_.settings,
        [this] { return settingsAfter(setUp_.settings.settings, started_, now()); }, clock_};
    // A game played back is not the player's progress.
    const bool playing_ = !setUp_.options.scripted.playbackPath;
    PausingClock pausing_{clock_, layer_, [this](std::uint32_t ms) { return awaitEvents(ms); },
                          [this] { tick(); }};
    // A recording played back is steered over the pausing clock.
    std::optional<PlaybackClock> playbackClock_;
    std::optional<PlaybackControl> playback_;
    platform::OverlayPainter painter_;
    ScriptInMemory script_{setUp_.options.scripted.startStage};
    std::optional<WatchedKeys> watched_;
};

// Long enough to read the results, short enough not to stand in the way of the next game.
constexpr std::uint64_t ResultsShownNs = 4'000'000'000;

Desktop::Desktop(SetUp& setUp) : setUp_(setUp) {
    platform::installKeySource(keys_);
    platform::installWindowEvents(events_);
    if (preferences_.sound) {
        platform::installAudioOut(audio_.emplace(preferences_.muted ? 0 : preferences_.volume));
    } else {
        platform::installAudioOut(silence_);
    }
    keys_.onPlayerAction([this](platform::PlayerAction action) {
        if (!playback_ || !playback_->act(action)) {
            layer_.act(action);
        }
    });
    keys_.holdsGameWhile([this] { return layer_.holding(); });
    keys_.onFullScreenToggle([this] {
        if (windows_.desktop != nullptr) {
            windows_.desktop->toggleFullScreen();
        }
    });
    platform::installClock(pausing_);
    if (!playing_) {
        platform::installClock(playbackClock_.emplace(pausing_));
        playback_.emplace(
            layer_, *playbackClock_,
            [this] {
                return PlaybackProgress{stageInPlay(), setUp_.scripted.playedPolls(),
                                        setUp_.scripted.playbackPolls()};
            },
            setUp_.scripted.restartable());
    }
    setUp_.scripted.install(keys_, events_);
    platform::installKeySource(
        watched_.emplace(platform::keySource(),
                         [this](const platform::KeyReport& reported,
                                const platform::KeyReport& tapped) { polled(reported, tapped); }));
    installWindows(preferences_, placed_, layer_, painter_, windows_,
                   playback_ ? &*playback_ : nullptr);
}

bool Desktop::awaitEvents(std::uint32_t ms) {
    clock_.awaitEvents(ms);
    events_.takeInWaiting();
    return !events_.closed();
}

void Desktop::tick() {
    // Between the slices of a sleep too, not only at the next poll: a change made while the game
    // sleeps on a screen is shown and kept at once.
    keys_.carryOutPlayerActions();
    if (playing_) {
        layer_.reachedStage(stageInPlay());
    }
    layer_.tick();
    keeper_.keepSoon();
}

void Desktop::polled(const platform::KeyReport& reported, const platform::KeyReport& tapped) {
    layer_.polled(reported, tapped);
    if (playing_) {
        script_.add(linePolled(reported, tapped));
    }
}

void Desktop::keepRecords(const RunTimes& times) {
    if (!playing_ || setUp_.records.path.empty()) {
        return;
    }
    Records kept = setUp_.records.records;
    const Offered offered = offer(kept, times, script_.text());
    if (!offered.refusal.empty()) {
        std::fprintf(stderr, "tilebounce: %s\n", offered.refusal.c_str());
    }
    if (offered.beaten.empty()) {
        return;
    }
    // Over what the file holds now: another game may have set records meanwhile.
    RecordsFile now = readRecords(setUp_.records.path);
    keepBetter(now.records, kept);
    if (std::string error; !writeRecords(now, now.records, error)) {
        std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
    }
    setUp_.records.records = now.records;
}

void Desktop::holdResults() {
    layer_.tick();
    // Only a key pressed once the results are on view takes them away, not one still held.
    platform::KeyReport before{};
    keys_.poll(before);
    const std::uint64_t until = clock_.nowNs() + ResultsShownNs;
    constexpr std::uint32_t LookEveryMs = 20;
    while (clock_.nowNs() < until && awaitEvents(LookEveryMs)) {
        platform::KeyReport now{};
        keys_.poll(now);
        for (std::size_t key = 0; key < now.size(); ++key) {
            if (now[key] && !before[key]) {
                return;
            }
        }
        before = now;
        layer_.tick();
    }
}

GameEnd Desktop::runOnce() {
    GameEnd end = GameEnd::NoWindow;
    {
        const ForgetWindows forget{windows_};
        const StartUp startUp;
        ShownRun run(layer_, setUp_.ghost ? &*setUp_.ghost : nullptr, setUp_.records.records);
        end = runGame(setUp_.scripted.startStage().value_or(preferences_.stage));
        if (end == GameEnd::NoWindow) {
            return end;
        }
        keepRecords(run.times());
        if (end == GameEnd::Escape || end == GameEnd::Ending) {
            run.showResults(setUp_.records.records);
            holdResults();
        }
        placed_ = windows_.desktop->choice();
        keeper_.keepNow();
    }
    // What came as the window went, its focus lost with it, belongs to this run, not the next.
    keys_.carryOutPlayerActions();
    return end;
}

int Desktop::runGameAndReport() {
    std::uint64_t substeps = 0;
    observeSubsteps([&substeps] { ++substeps; });
    GameEnd end = runOnce();
    while (end != GameEnd::NoWindow && playback_ && playback_->takeRestart()) {
        if (std::string error; !setUp_.scripted.restart(error)) {
            std::fprintf(stderr, "tilebounce: %s\n", error.c_str());
            return 1;
        }
        resetGame();
        substeps = 0;
        end = runOnce();
    }
    if (end == GameEnd::NoWindow) {
        std::fprintf(stderr, "tilebounce: cannot open the window: %s\n",
                     mainWindowFailure().c_str());
        return 1;
    }
    return reportEnd(setUp_.scripted, end, substeps);
}

}  // namespace

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    SetUp setUp;
    if (const std::optional<int> status = readSetUp(argc, argv, setUp)) {
        return *status;
    }
    // Made first and ended last: its end shuts SDL down, which gives the desktop back.
    platform::SdlSession session(MainWindowClassName);
    if (!session.started()) {
        std::fprintf(stderr, "tilebounce: %s\n", session.failure().c_str());
        return 1;
    }
    Desktop desktop(setUp);
    return desktop.runGameAndReport();
}

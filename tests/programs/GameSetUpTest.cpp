// The game's set-up: its command line, each bad value refused on its own line, and the settings
// file's choices with the command line's over them; only what the player changed is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "programs/tilebounce/Preferences.h"

namespace {

CommandLineResult readGame(std::vector<const char*> words, GameOptions& options) {
    words.insert(words.begin(), "tilebounce");
    return readGameCommandLine(static_cast<int>(words.size()), words.data(), options);
}

TEST(GameCommandLine, ABadValueIsNamedWithTheUsageAndStatus2) {
    for (const auto& [words, line] : std::vector<std::pair<std::vector<const char*>, std::string>>{
             {{"--scale", "0"}, "tilebounce: --scale: '0' is not a whole number from 1 to 8"},
             {{"--scale", "9"}, "tilebounce: --scale: '9' is not a whole number from 1 to 8"},
             {{"--volume", "101"},
              "tilebounce: --volume: '101' is not a whole number from 0 to 100"},
             {{"--volume", "-1"}, "tilebounce: --volume: '-1' is not a whole number from 0 to 100"},
             {{"--stage", "0"}, "tilebounce: --stage: '0' is not a whole number from 1 to 20"},
             {{"--stage", "21"}, "tilebounce: --stage: '21' is not a whole number from 1 to 20"},
             {{"--stage"}, "tilebounce: --stage needs a value (N)"},
             {{"--scaling", "bilinear"},
              "tilebounce: --scaling: 'bilinear' is not sharp or nearest"},
             {{"--nosound=1"}, "tilebounce: --nosound takes no value"},
             {{"--fullscreen", "extra"}, "tilebounce: unexpected argument 'extra'"},
             {{"--windowed"}, "tilebounce: unknown option '--windowed'"},
         }) {
        GameOptions options;
        const CommandLineResult result = readGame(words, options);
        EXPECT_EQ(result.exitStatus(), 2) << line;
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), line);
        EXPECT_NE(result.err.find("\nusage: tilebounce [OPTION]...\n"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
    GameOptions options;
    const CommandLineResult help = readGame({"--help"}, options);
    EXPECT_EQ(help.exitStatus(), 0);
    EXPECT_NE(help.out.find("Alt+Enter"), std::string::npos);
    EXPECT_NE(help.out.find("settings.ini"), std::string::npos);
    for (const char* listed : {"--continue", "P or Pause", "F1", "M, - and +", "Y pauses"}) {
        EXPECT_NE(help.out.find(listed), std::string::npos) << listed;
    }
}

TEST(Preferences, TheCommandLineWinsOverTheSettingsFile) {
    Settings file;
    file.volume = 40;
    file.windowWidth = 1000;
    file.windowHeight = 700;
    file.windowX = 12;
    file.windowY = 34;
    const Preferences fromFile = preferencesFor(file, {});
    EXPECT_EQ(fromFile.window, (WindowChoice{true, 1000, 700, 12, 34}));
    EXPECT_EQ(fromFile.volume, 40);
    EXPECT_FALSE(fromFile.integerScale);
    EXPECT_EQ(fromFile.scaling, platform::Scaling::Sharp);

    GameOptions options;
    ASSERT_EQ(readGame({"--window", "--scale", "3", "--integer-scale", "--scaling", "nearest",
                        "--volume=80", "--nosound", "--stage", "4"},
                       options)
                  .verdict,
              CommandLineResult::Verdict::Run);
    const Preferences overridden = preferencesFor(file, options);
    EXPECT_EQ(overridden.window, (WindowChoice{false, 1920, 1440, 12, 34}));
    EXPECT_EQ(overridden.volume, 80);
    EXPECT_TRUE(overridden.integerScale);
    EXPECT_EQ(overridden.scaling, platform::Scaling::Nearest);
    EXPECT_FALSE(overridden.sound);
    EXPECT_EQ(overridden.stage, 4);
    file.fullScreen = false;
    ASSERT_EQ(readGame({"--fullscreen"}, options).verdict, CommandLineResult::Verdict::Run);
    EXPECT_TRUE(preferencesFor(file, options).window.fullScreen);
    EXPECT_EQ(preferencesFor({}, {}).window, WindowChoice{}) << "the game's own size";
}

TEST(Preferences, KeyBindingsByTheirCodes) {
    Settings file;
    file.keys["Left"] = {"Left", "A"};
    file.keys["Enter"] = {"Keypad Enter"};
    EXPECT_EQ(preferencesFor(file, {}).keys, (platform::KeyBindings{{0x25, {80, 4}}, {0x0D, {88}}}))
        << "SDL's scancodes for Left, A and Keypad Enter";
}

TEST(Preferences, OnlyWhatThePlayerChangedDuringTheRunIsKept) {
    Settings file;
    file.volume = 40;
    GameOptions options;
    options.fullScreen = false;
    options.scale = 2;
    const Preferences run = preferencesFor(file, options);
    EXPECT_EQ(settingsAfter(file, {run.window}, {run.window}), file)
        << "the command line is for one run";

    WindowChoice toggled = run.window;
    toggled.fullScreen = true;
    EXPECT_EQ(settingsAfter(file, {run.window}, {toggled}), file)
        << "full screen, as the file had it";
    Settings windowed = file;
    windowed.fullScreen = false;
    EXPECT_EQ(settingsAfter(windowed, {run.window}, {toggled}), file);

    const WindowChoice moved{false, 800, 600, 7, 8};
    const Settings kept = settingsAfter(file, {run.window}, {moved});
    EXPECT_EQ(kept.fullScreen, true);
    EXPECT_EQ(kept.windowWidth, 800);
    EXPECT_EQ(kept.windowHeight, 600);
    EXPECT_EQ(kept.windowX, 7);
    EXPECT_EQ(kept.windowY, 8);
    EXPECT_EQ(kept.volume, 40);
}

TEST(Preferences, TheSoundAsThePlayerSetItAndTheFurthestStageAreKept) {
    Settings file;
    file.volume = 40;
    file.furthestStage = 7;
    GameOptions options;
    options.volume = 90;  // for this run only
    const Preferences run = preferencesFor(file, options);
    const RunState started{run.window, run.volume, run.muted, run.furthestStage, run.timerShown};
    EXPECT_EQ(settingsAfter(file, started, started), file);

    RunState later = started;
    later.furthestStage = 3;
    EXPECT_EQ(settingsAfter(file, started, later).furthestStage, 7) << "the furthest ever";
    later.furthestStage = 12;
    later.volume = 80;
    const Settings kept = settingsAfter(file, started, later);
    EXPECT_EQ(kept.furthestStage, 12);
    EXPECT_EQ(kept.volume, 80) << "changed by the player during the run";
    later.volume = 90;
    later.muted = true;
    EXPECT_EQ(settingsAfter(file, started, later).volume, 90);
    EXPECT_TRUE(settingsAfter(file, started, later).muted);
    later.timerShown = true;
    EXPECT_TRUE(settingsAfter(file, started, later).timerShown) << "the timer toggled on";
}

TEST(Preferences, ContinueStartsAtTheFurthestStageUnlessAStageIsGiven) {
    Settings file;
    file.furthestStage = 9;
    GameOptions options;
    EXPECT_EQ(preferencesFor(file, options).stage, 1);
    options.continueRun = true;
    EXPECT_EQ(preferencesFor(file, options).stage, 9);
    options.stage = 4;
    EXPECT_EQ(preferencesFor(file, options).stage, 4);
    ASSERT_EQ(readGame({"--continue"}, options).verdict, CommandLineResult::Verdict::Run);
}

TEST(Preferences, APlayersKeyThatGivesAGameKeyIsTheGamesAndNamedOnce) {
    Settings file;
    file.keys["Left"] = {"Left", "M"};
    file.keys["Pause"] = {"Space", "Q"};
    const Preferences run = preferencesFor(file, {});
    EXPECT_EQ(run.playerKeys,
              (platform::PlayerKeyBindings{{platform::PlayerAction::Pause, {44, 20}}}));
    platform::bindKeys(run.keys);
    platform::bindPlayerKeys(run.playerKeys);
    EXPECT_EQ(keyClashes(), (std::vector<std::string>{
                                "Space gives one of the game's keys, so it does not give Pause",
                                "M gives one of the game's keys, so it does not give Mute"}))
        << "Space by its own place, M by the settings";
    EXPECT_EQ(platform::playerActionOf(20), platform::PlayerAction::Pause) << "Q";
    EXPECT_EQ(platform::playerActionOf(16), platform::PlayerAction::None) << "M: the game's Left";
    const ShownKeys shown = shownKeys(file);
    EXPECT_EQ(shown.at("Left"), "Left / M");
    EXPECT_EQ(shown.at("Pause"), "Q");
    EXPECT_EQ(shown.at("Enter"), "Enter");
    platform::bindKeys({});
    platform::bindPlayerKeys({});
}

// A default key that the settings give to another of the player's actions is that one's alone: a
// key gives one action. The action left without keys says so in the help.
TEST(Preferences, APlayersKeyBoundToAnotherActionIsThatOnesAndNamedOnce) {
    Settings file;
    file.keys["Pause"] = {"M"};
    platform::bindPlayerKeys(preferencesFor(file, {}).playerKeys);
    EXPECT_EQ(keyClashes(), (std::vector<std::string>{"M gives Pause, so it does not give Mute"}));
    EXPECT_EQ(platform::playerActionOf(16), platform::PlayerAction::Pause) << "M";
    const platform::OverlayPanel help = helpPanel(shownKeys(file), 1);
    EXPECT_NE(
        std::find(help.columns[0].begin(), help.columns[0].end(), "(no key): sound off and on"),
        help.columns[0].end());

    file.keys = {{"Mute", {"P"}}};
    platform::bindPlayerKeys(preferencesFor(file, {}).playerKeys);
    EXPECT_EQ(platform::playerActionOf(19), platform::PlayerAction::Mute) << "P, bound, wins";
    EXPECT_EQ(shownKeys(file).at("Pause"), "Pause");
    EXPECT_EQ(keyClashes(), (std::vector<std::string>{"P gives Mute, so it does not give Pause"}));
    platform::bindPlayerKeys({});
}

}  // namespace

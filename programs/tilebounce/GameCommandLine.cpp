#include "programs/tilebounce/GameCommandLine.h"

#include "game/RunGame.h"

namespace {

constexpr std::string_view Keys =
    "Keys:\n"
    "  Enter, Space or an arrow  leave the title and each stage card\n"
    "  arrows                    nudge the ball; held against a wall, kick off it\n"
    "  Space (held)              hover\n"
    "  Escape                    quit during play\n"
    "  Alt+Enter                 switch between full screen and a window\n"
    "  P or Pause                pause and go on (losing the window's focus pauses too)\n"
    "  F1                        the keys, over the game, which waits meanwhile\n"
    "  M, - and +                sound off and on, quieter, louder (the keypad's too)\n"
    "  T                         the timer: the stage's time and the run's, in the game's own "
    "time\n"
    "  K                         the game's keys as each poll reads them\n"
    "A gamepad plays too: D-pad or left stick as the arrows, A as Space, B and Start as Enter,\n"
    "Back as Escape, Y pauses.\n"
    "While --playback plays: . one frame (from a pause), [ and ] slower and faster (1/4x to\n"
    "16x), N on to the next stage, unseen, Home back to the start (not with --record); on a\n"
    "gamepad X, the shoulders, the right and the left stick pressed in.\n"
    "\n"
    "Settings are kept in $XDG_CONFIG_HOME/tilebounce/settings.ini (~/.config/tilebounce/ by\n"
    "default); the options above win over them for one run. Personal bests are kept in\n"
    "$XDG_DATA_HOME/tilebounce/records (~/.local/share/tilebounce/ by default).\n";

}  // namespace

CommandLineResult readGameCommandLine(int argc, const char* const* argv, GameOptions& options) {
    const ProgramDescription program{
        .name = "tilebounce",
        .operands = "",
        .summary = "Steer a bouncing ball through 20 stages of tiles to the right edge.",
        .epilogue = Keys,
        .options =
            {
                {"fullscreen", "", "start at full screen (the default)",
                 setting(options.fullScreen, true)},
                {"window", "", "start in a window", setting(options.fullScreen, false)},
                {"scale", "N", "a window N times 640 x 480 (1 to 8)",
                 wholeNumber(options.scale, 1, MaxScale)},
                {"integer-scale", "", "scale the picture by whole multiples only",
                 setting(options.integerScale, true)},
                {"scaling", "KIND",
                 "sharp (every pixel the same size, the default) or nearest (no pixel blended)",
                 oneOf(options.scaling, platform::scalingNamed, "sharp or nearest")},
                {"volume", "N", "sound volume from 0 to 100", wholeNumber(options.volume, 0, 100)},
                {"nosound", "", "play without sound", setting(options.sound, false)},
                {"stage", "N", "practise: start at stage N (1 to 20) after the title",
                 wholeNumber(options.stage, FirstStage, LastStage)},
                {"continue", "", "practise from the furthest stage reached (kept in the settings)",
                 setting(options.continueRun, true)},
                {"record", "FILE", "record every keyboard poll into FILE as a key script",
                 text(options.scripted.recordPath)},
                {"record-link", "FILE",
                 "with --record: write the recording's link into FILE at the end",
                 text(options.scripted.recordLinkPath)},
                {"playback", "FILE", "play the key script (or its link) in FILE, not the keyboard",
                 text(options.scripted.playbackPath)},
                {"ghost", "FILE", "race the key script in FILE (best: the best game kept)",
                 text(options.ghost)},
            },
        .takeWord = {}};
    return readCommandLine(argc, argv, program);
}

#pragma once
// The game as the solver plays it: runGame itself, on a virtual clock with a headless window
// and silent cues, fed by a key script that the solver extends as it goes. When the script has
// run out at a pump, the session calls its owner, which may snapshot the game, play frames of
// its own with held keys, restore the snapshot and extend the script; play then goes on with
// the new polls. When the owner adds none, the window closes and runGame ends.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devtools/solver/HeldKeys.h"
#include "game/GameState.h"
#include "game/RunGame.h"
#include "keyscript/KeyScript.h"
#include "shell/Keyboard.h"

// A key script as lines in memory.
using KeyLines = std::vector<KeyScriptLine>;

// The whole script at `path` (see KeyScriptFile::open), added to `lines`; false with the
// message in `error`.
bool readKeyLines(const std::string& path, KeyLines& lines, std::string& error);

// The script's first `polls` polls, its last line cut short where they end inside it.
KeyLines firstPolls(const KeyLines& script, std::uint64_t polls);

// Where the solver's key source stands: the script's line, the polls used of it, every poll.
struct KeysPosition {
    std::size_t line = 0;
    std::uint32_t usedOfLine = 0;
    std::uint64_t polls = 0;
};

// Everything the game's future depends on, as it stood at one moment.
struct Snapshot {
    GameState game;
    std::uint32_t random;
    Keyboard keyboard;
    KeysPosition keys;
    std::uint64_t cuesStarted;
    int lastCue;
};

class SolverSession {
  public:
    // The script stays the caller's; the session reads it as it grows.
    explicit SolverSession(const KeyLines& script);
    ~SolverSession();
    SolverSession(const SolverSession&) = delete;
    SolverSession& operator=(const SolverSession&) = delete;

    // Runs the whole game from start-up; `onRunOut` is called each time the script has run out.
    GameEnd run(std::function<void()> onRunOut);

    // For use within onRunOut.
    Snapshot capture() const;
    // The same into a snapshot already made, sparing a copy of it.
    void capture(Snapshot& into) const;
    void restore(const Snapshot& snapshot);
    // One frame of play with exactly `held` down at each of its polls.
    FrameEnd playFrame(HeldKeys held);
    // One substep of a frame with exactly `held` down at its poll (see ::playSubstep).
    void playSubstep(HeldKeys held);

    // Every poll made so far, the start-up poll included.
    std::uint64_t polls() const;
    // How many cues have started, and the wave of the latest (0 before the first).
    std::uint64_t cuesStarted() const;
    int lastCue() const;

  private:
    class Keys;
    class Events;
    class Cues;
    std::unique_ptr<Keys> keys_;
    std::unique_ptr<Events> events_;
    std::unique_ptr<Cues> cues_;
};

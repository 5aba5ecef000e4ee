#pragma once
// The game from its window to its end: the title, the 20 stages with their cards and frames,
// lives, replays, game over and the ending.
#include <cstdint>
#include <functional>

// How runGame ended.
enum class GameEnd {
    Escape,   // Escape during play
    Closed,   // the window was closed, at any point
    Ending,   // stage 20 was cleared and the ending shown
    NoWindow  // no window could be made (mainWindowFailure() says why); nothing ran
};

// The game's screen, in pixels.
inline constexpr std::uint32_t ScreenWidth = 640;
inline constexpr std::uint32_t ScreenHeight = 480;

inline constexpr std::int32_t FirstStage = 1;
inline constexpr std::int32_t LastStage = 20;

// Needs the Display and the Keyboard of start-up. Writes "stage%d\n" to standard output at the
// start of every attempt at a stage. After the title, play starts at `firstPlayed` (FirstStage to
// LastStage: a practice run); a game over starts again at the first stage, as always.
GameEnd runGame(std::int32_t firstPlayed = FirstStage);

// How one frame of play ended.
enum class FrameEnd {
    Playing,    // the stage goes on
    StageOver,  // a substep cleared the stage or lost the ball
    Escape,     // Escape was down at a substep's poll
    Closed      // the window had closed; nothing ran
};

// One frame of play exactly as runGame's frame loop runs it: the pump, the cue gate, up to four
// substeps, the present and the pause. Tools that steer play frame by frame call it from within
// runGame's stage (a seam's callback), where the stage is loaded and the display is open.
FrameEnd playFrame();

// One substep of a frame: the poll, then, unless Escape is down (false), the map, stepBall and
// the trail. Tools that steer play substep by substep call it where they would call playFrame;
// the frame's pump, cue gate and pause change nothing that play decides.
bool playSubstep();

// Called after every substep's stepBall and drawTrail, for tracing and timing; empty by default.
// Gives back the observer it replaces.
std::function<void()> observeSubsteps(std::function<void()> observer);

// Called at the start of every attempt at a stage, right after its console line, for timing;
// empty by default. Gives back the observer it replaces.
std::function<void()> observeStageStarts(std::function<void()> observer);

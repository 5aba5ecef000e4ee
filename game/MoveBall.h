#pragma once
// The one routine that moves the ball during play.
#include <cstdint>

// Tries one step of (dx, dy): the tile just ahead acts on the ball, a Block beside it may kick
// it off with the arrow key that points away, it is clamped to the screen, and reaching the
// right or bottom edge clears the stage or loses the ball. Reads the Left and Right arrows.
void moveBall(std::int32_t dx, std::int32_t dy);

// The reach of its rules, for the tools that reason about where the ball can go.
// The probe looks this many further steps beyond the new position.
constexpr std::int32_t ProbeLead = 5;
// A Block this close beside the new position counts as a wall to kick off, KickJump away.
constexpr std::int32_t KickReach = ProbeLead + 2;
constexpr std::int32_t KickJump = 21;
// Landing on a Block or Brick (on a Spring) sets the ball this far above the tile's top.
constexpr std::int32_t BounceClearance = 8;
constexpr std::int32_t SpringClearance = 10;
// The substeps of rising that a landing on a Block or Brick (on a Spring) starts, and of flight
// that a wall kick starts.
constexpr std::int32_t BounceLift = 64;
constexpr std::int32_t SpringLift = 196;
constexpr std::int32_t KickCount = 100;
// The ball is clamped to these; reaching the right clears the stage, the bottom loses it.
constexpr std::int32_t RightEdge = 639;
constexpr std::int32_t BottomEdge = 479;

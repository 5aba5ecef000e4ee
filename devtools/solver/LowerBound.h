#pragma once
// A lower bound on the substeps any route needs to clear a stage, found by playing a game that
// is easier than the real one to its fastest clear, exhaustively.
//
// The easier game moves the ball with the real moveBall's tile rules, call by call, in the
// order of a real substep: gravity, the jitter, Up, Down, Left, Right, the lift's two calls, the
// kick's call; or, while gliding, the glide's three calls and the kick's. It is easier in that
// every one of those calls may be made or left out (gravity too, which covers the hover, unless
// the ball may not hover), the jitter takes whichever of its nine offsets suits, a wall kick may
// happen whenever its wall is there (whichever arrows that needs), a Brick may be one already
// broken, and once the ball has landed (or kicked) the lift's (or kick's) calls stay open to it,
// without the counters that end them in the real game. A glide ends whenever it suits. Any real
// route, whatever the ball brings into the stage, is a route of the easier game, so the easier
// game's fewest substeps never exceed the real ones.
#include <cstdint>
#include <optional>

#include "game/Tiles.h"

// Where the ball starts, and the impulses it brings: those of the game as it stands, or (with
// `anyImpulses`) whichever a stage may begin with, since they carry over from the stage before.
struct BoundStart {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t glide = 0;
    std::int32_t kick = 0;
    std::int32_t lift = 0;
    bool anyImpulses = false;
    // Whether the ball may hover; without it gravity is never left out.
    bool mayHover = true;
};

// The bounds are looked for up to here: far beyond any stage's fastest route.
inline constexpr std::uint64_t BoundLimit = 5000;

// The fewest substeps from `start` in `map` to a clear in the easier game, at most `limit`;
// none when the easier game cannot clear within that.
std::optional<std::uint64_t> substepsAtLeast(const StageMap& map, const BoundStart& start,
                                             std::uint64_t limit);

// The most memory substepsAtLeast takes: its record of every ball seen, and the lists of balls
// it works through.
std::uint64_t lowerBoundBytes();

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
// without the counters that end them in the real game. A glide ends whenever it suits, and as in
// the real game when its three calls leave the ball where it was. Any real route, whatever the
// ball brings into the stage, is a route of the easier game, so the easier game's fewest substeps
// never exceed the real ones.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/Tiles.h"

// The kinds of impulses a ball of the easier game carries: the ways its glide and kick go, and
// whether its lift is open.
inline constexpr std::size_t ImpulseKinds = 3 * 3 * 2;
constexpr std::size_t impulseKind(std::int32_t glideWay, std::int32_t kickWay, bool lift) {
    return static_cast<std::size_t>((glideWay + 1) * 6 + (kickWay + 1) * 2 + (lift ? 1 : 0));
}
struct Impulses {
    std::int32_t glideWay;
    std::int32_t kickWay;
    bool lift;
};
constexpr Impulses impulsesOfKind(std::size_t kind) {
    return {static_cast<std::int32_t>(kind / 6) - 1, static_cast<std::int32_t>(kind / 2 % 3) - 1,
            kind % 2 != 0};
}
// A set of kinds, a bit each.
using ImpulseKindSet = std::uint32_t;
inline constexpr ImpulseKindSet AllImpulseKinds = (ImpulseKindSet{1} << ImpulseKinds) - 1;

// `kinds` when not empty, or else the kind of the impulses `glide`, `kick` and `lift`.
ImpulseKindSet kindsBrought(ImpulseKindSet kinds, std::int32_t glide, std::int32_t kick,
                            std::int32_t lift);

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
    // Whether it hovers from the start to the clear; then gravity never pulls it.
    bool hoversThrough = false;
    // When not empty, the kinds of impulses it may bring, over the three above.
    ImpulseKindSet kinds = 0;
};

// The bounds are looked for up to here: far beyond any stage's fastest route.
inline constexpr std::uint64_t BoundLimit = 5000;

// The fewest substeps from `start` in `map` to a clear in the easier game, at most `limit`;
// none when the easier game cannot clear within that.
std::optional<std::uint64_t> substepsAtLeast(const StageMap& map, const BoundStart& start,
                                             std::uint64_t limit);

// The first substep at which the easier game clears, and at which it loses the ball, with each
// kind of impulses, up to `limit`; 0 for an end it does not reach by then.
struct StageEnds {
    std::array<std::uint64_t, ImpulseKinds> clear{};
    std::array<std::uint64_t, ImpulseKinds> loss{};
};
StageEnds stageEndsAtLeast(const StageMap& map, const BoundStart& start, std::uint64_t limit);

// A ball the easier game may start from: its place and its kind of impulses.
struct BoundBall {
    std::int32_t x;
    std::int32_t y;
    std::size_t kind;
};

// As stageEndsAtLeast, from all of `balls` at once, by the rules for the hover of `rules` (whose
// place and impulses go unused).
StageEnds stageEndsAtLeastFrom(const StageMap& map, const std::vector<BoundBall>& balls,
                               const BoundStart& rules, std::uint64_t limit);

// The most memory substepsAtLeast takes: its record of every ball seen, and the lists of balls
// it works through.
std::uint64_t lowerBoundBytes();

#pragma once
// A lower bound on the substeps a stage needs from one moment of play as it stands: the ball,
// its impulses, its hover and the random state. It plays an easier game to its fastest clear,
// exhaustively, but with the real random draws: the jitter, Up and Down draw from the sequence
// that follows from the random state, in the real order, so each route's jitter is the one it
// would get. The route decides, as in the real game, whether Up and Down are held and so how
// many draws a substep takes.
//
// Otherwise the easier game is that of LowerBound.h with its counters: gravity pulls a ball
// that does not hover; a ball hovers once Space has been held long enough and stops for good
// when it lets go; a landing starts its substeps of lift and a kick its substeps of flight, each
// step rising as the real one does, and either may end whenever it suits; Left and Right may be
// left out; Bricks and kicks are as in EasierMoves.h, but a glide that goes on holds no arrow and
// so kicks off no wall; a glide ends whenever it suits. Balls at one place merge into one with
// the more of each counter when their counters are in step (rise alike from here on), which
// only makes the game easier.
#include <cstdint>

#include "devtools/solver/LowerBound.h"
#include "game/Tiles.h"

struct SeededStart {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t glide = 0;
    std::int32_t kick = 0;
    std::int32_t lift = 0;
    bool hovering = false;
    // Whether a ball not hovering yet may come to: without it, it never hovers.
    bool mayHover = true;
    // Whether a hovering ball may let go of Space.
    bool letsGo = true;
    std::int32_t hoverCharge = 0;
    std::uint32_t random = 0;
    // How many random states in a row, from `random` on, the ball may bring: the bound holds
    // for each of them.
    std::uint32_t window = 1;
    // When not empty, the kinds of impulses it may bring, each with the most of its counters,
    // over the glide, kick and lift above.
    ImpulseKindSet kinds = 0;
};

// The start as play stands now: the game state and the random state.
SeededStart startAsPlayStands();

// How far the easier game is played: at most this many substeps (and HoverChargeNeeded), and
// substeps while the balls made so far number no more than `positions`.
struct SeededLimits {
    std::uint64_t substeps = 0;
    std::uint64_t positions = 0;
};

// The fewest substeps to a clear in the easier game (`cut` false); or, with `cut`, the first
// substep that the limit on positions left unplayed, which no route can clear before either.
// Past the limit on substeps, one more than it.
struct SeededBound {
    std::uint64_t atLeast = 0;
    bool cut = false;
};

SeededBound substepsAtLeastFrom(const StageMap& map, const SeededStart& start,
                                const SeededLimits& limits);

// The first substep at which the easier game clears, and at which it loses the ball, with each
// kind of impulses, or no later. Past the substeps it may play, every route stands at some place
// and with some impulses at which a ball has started by then, and the freer game of LowerBound.h
// bounds the rest from there (when every ball may be left out as above: a ball that hovers
// throughout, never hovers, or may from the start); an end 0 the freer game cannot reach either.
StageEnds seededEndsFrom(const StageMap& map, const SeededStart& start, const SeededLimits& limits);

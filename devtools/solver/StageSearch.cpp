#include "devtools/solver/StageSearch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_map>

#include "devtools/solver/BestFirst.h"
#include "devtools/solver/DistanceField.h"
#include "game/GameState.h"

namespace {

constexpr std::array<HeldKeys, 9> Patterns = {
    0,
    HoldLeft,
    HoldRight,
    HoldUp,
    HoldDown,
    HoldLeft | HoldUp,
    HoldRight | HoldUp,
    HoldLeft | HoldDown,
    HoldRight | HoldDown,
};

// Falling costs as much as moving sideways, climbing twice that: about the time each takes.
constexpr MoveWeights DefaultWeights{.fall = 2, .sideways = 2, .climb = 4};
constexpr std::uint64_t ProgressEvery = 16384;

struct Position {
    Snapshot snapshot;
    std::uint32_t move;
    std::int64_t score;
};

std::int64_t scoreOf(const DistanceField& field, const GameState& g) {
    return field.at(g.ballX, g.ballY, g.glide != 0);
}

// Positions this alike are one for the search: the best of them is kept.
std::uint64_t likeness(const GameState& g) {
    const auto part = [](std::int32_t value, std::int32_t step) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value / step) & 0x3FF);
    };
    return part(g.ballX, 2) | part(g.ballY, 2) << 10 | part(g.lift, 8) << 20 |
           part(g.kick + 100, 20) << 30 | part(g.glide + 1, 1) << 40 | part(g.hover, 1) << 42;
}

// The game's present state into `pool[at]`, made when the pool is not that long yet.
void captureAt(const SolverSession& session, std::vector<Position>& pool, std::size_t at) {
    if (at == pool.size()) {
        pool.push_back({session.capture(), RouteTree::Root, 0});
    } else {
        session.capture(pool[at].snapshot);
    }
}

// The indices of the `width` best of the first `count` grown, by score, the earlier found first
// among equals.
std::vector<std::uint32_t> bestOf(const std::vector<Position>& grown, std::size_t count,
                                  std::size_t width) {
    return bestFirst(count, width, [&grown](std::uint32_t a, std::uint32_t b) {
        return grown[a].score != grown[b].score ? grown[a].score < grown[b].score : a < b;
    });
}

}  // namespace

StageRoute searchStage(SolverSession& session, const SearchLimits& limits,
                       const ProgressCheck& progress) {
    const Snapshot start = session.capture();
    const DistanceField field(gameState.map, DefaultWeights);
    StageRoute route;
    std::int64_t bestScore = scoreOf(field, gameState);
    route.bestX = gameState.ballX;
    route.bestY = gameState.ballY;

    RouteTree moves;
    // The beam's positions and those grown from them, in two pools that trade places each round;
    // the beam is the best of the one grown last. A position is copied once, as it is captured.
    std::array<std::vector<Position>, 2> pools;
    for (std::vector<Position>& pool : pools) {
        pool.reserve(limits.beamWidth * Patterns.size());
    }
    pools[0].push_back({start, RouteTree::Root, bestScore});
    std::size_t beamPool = 0;
    std::vector<std::uint32_t> beam{0};
    std::unordered_map<std::uint64_t, std::size_t> alike;
    while (!beam.empty() && route.positions < limits.positions) {
        std::vector<Position>& grown = pools[1 - beamPool];
        std::size_t grownCount = 0;
        alike.clear();
        alike.reserve(beam.size() * Patterns.size());
        for (const std::uint32_t index : beam) {
            const Position& from = pools[beamPool][index];
            for (const HeldKeys held : Patterns) {
                session.restore(from.snapshot);
                FrameEnd end = FrameEnd::Playing;
                for (int frame = 0; frame < limits.framesPerMove && end == FrameEnd::Playing;
                     ++frame) {
                    end = session.playFrame(held);
                }
                if (++route.positions % ProgressEvery == 0 && progress &&
                    !progress({0, session.polls() - start.keys.polls, route.positions, route.bestX,
                               route.bestY})) {
                    session.restore(start);
                    return route;
                }
                const GameState& g = gameState;
                if (g.ballLost != 0 || end == FrameEnd::Escape || end == FrameEnd::Closed) {
                    continue;
                }
                const std::uint32_t move =
                    moves.add(from.move, held, session.polls() - from.snapshot.keys.polls);
                if (g.stageCleared != 0) {
                    route.cleared = true;
                    route.steps = moves.routeTo(move);
                    route.substeps = session.polls() - start.keys.polls;
                    session.restore(start);
                    return route;
                }
                const std::int64_t score = scoreOf(field, g);
                if (score < bestScore) {
                    bestScore = score;
                    route.bestX = g.ballX;
                    route.bestY = g.ballY;
                }
                const auto [found, isNew] = alike.try_emplace(likeness(g), grownCount);
                if (isNew || score < grown[found->second].score) {
                    const std::size_t at = isNew ? grownCount++ : found->second;
                    captureAt(session, grown, at);
                    grown[at].move = move;
                    grown[at].score = score;
                }
            }
        }
        beam = bestOf(grown, grownCount, limits.beamWidth);
        beamPool = 1 - beamPool;
    }
    session.restore(start);
    return route;
}

std::uint64_t searchBytes(const SearchLimits& limits) {
    // A position of either pool, with its entry in the table of alike ones; a move of the route
    // tree (its parent, keys and polls).
    constexpr std::uint64_t PositionBytes = sizeof(Position) + 4 * sizeof(void*) + 16;
    constexpr std::uint64_t MoveBytes = 16;
    const std::uint64_t positionsHeld = 2 * limits.beamWidth * Patterns.size();
    return positionsHeld * PositionBytes + limits.positions * MoveBytes;
}

std::string describeSearch(const SearchLimits& limits) {
    return "a beam of " + std::to_string(limits.beamWidth) + " positions, " +
           std::to_string(Patterns.size()) +
           " patterns of held arrows (none, each arrow, and Up or Down with Left or Right), each "
           "held for " +
           std::to_string(limits.framesPerMove) + " frames, up to " +
           std::to_string(limits.positions) + " positions";
}

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
    std::size_t order;
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

// The `width` best by score, the earlier found first among equals. Only indices are sorted: a
// position carries a whole snapshot of the game.
std::vector<Position> bestOf(std::vector<Position> grown, std::size_t width) {
    const std::vector<std::uint32_t> ranks =
        bestFirst(grown.size(), width, [&grown](std::uint32_t a, std::uint32_t b) {
            const Position& first = grown[a];
            const Position& second = grown[b];
            return first.score != second.score ? first.score < second.score
                                               : first.order < second.order;
        });
    std::vector<Position> best;
    best.reserve(ranks.size());
    for (const std::uint32_t rank : ranks) {
        best.push_back(std::move(grown[rank]));
    }
    return best;
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
    std::vector<Position> beam;
    beam.push_back({start, RouteTree::Root, bestScore, 0});
    while (!beam.empty() && route.positions < limits.positions) {
        std::vector<Position> grown;
        grown.reserve(beam.size() * Patterns.size());
        std::unordered_map<std::uint64_t, std::size_t> alike;
        alike.reserve(beam.size() * Patterns.size());
        for (const Position& from : beam) {
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
                const auto [found, isNew] = alike.try_emplace(likeness(g), grown.size());
                if (isNew) {
                    grown.push_back({session.capture(), move, score, grown.size()});
                } else if (score < grown[found->second].score) {
                    grown[found->second] = {session.capture(), move, score,
                                            grown[found->second].order};
                }
            }
        }
        beam = bestOf(std::move(grown), limits.beamWidth);
    }
    session.restore(start);
    return route;
}

std::uint64_t searchBytes(const SearchLimits& limits) {
    // A position kept in the beam or grown from it, with its entry in the table of alike ones;
    // a move of the route tree (its parent, keys and polls).
    constexpr std::uint64_t PositionBytes = sizeof(Position) + 4 * sizeof(void*) + 16;
    constexpr std::uint64_t MoveBytes = 16;
    const std::uint64_t positionsHeld = limits.beamWidth * (1 + Patterns.size());
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

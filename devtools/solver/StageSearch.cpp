#include "devtools/solver/StageSearch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_map>

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

// One move of the search: the keys held, and the position it came from.
struct Move {
    std::uint32_t parent;
    HeldKeys held;
    std::uint64_t polls;
};

constexpr std::uint32_t NoParent = 0xFFFFFFFF;

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

std::vector<RouteStep> routeTo(const std::vector<Move>& moves, std::uint32_t last) {
    std::vector<RouteStep> steps;
    for (std::uint32_t at = last; at != NoParent; at = moves[at].parent) {
        const Move& move = moves[at];
        if (!steps.empty() && steps.back().held == move.held) {
            steps.back().polls += move.polls;
        } else {
            steps.push_back({move.held, move.polls});
        }
    }
    std::reverse(steps.begin(), steps.end());
    return steps;
}

}  // namespace

StageRoute searchStage(SolverSession& session, const SearchLimits& limits) {
    const Snapshot start = session.capture();
    const DistanceField field(gameState.map);
    StageRoute route;
    std::int64_t bestScore = scoreOf(field, gameState);
    route.bestX = gameState.ballX;
    route.bestY = gameState.ballY;

    std::vector<Move> moves;
    std::vector<Position> beam;
    beam.push_back({start, NoParent, bestScore, 0});
    while (!beam.empty() && route.positions < limits.positions) {
        std::vector<Position> grown;
        std::unordered_map<std::uint64_t, std::size_t> alike;
        for (const Position& from : beam) {
            for (const HeldKeys held : Patterns) {
                session.restore(from.snapshot);
                FrameEnd end = FrameEnd::Playing;
                for (int frame = 0; frame < limits.framesPerMove && end == FrameEnd::Playing;
                     ++frame) {
                    end = session.playFrame(held);
                }
                ++route.positions;
                const GameState& g = gameState;
                if (g.ballLost != 0 || end == FrameEnd::Escape || end == FrameEnd::Closed) {
                    continue;
                }
                moves.push_back({from.move, held, session.polls() - from.snapshot.keys.polls});
                const auto move = static_cast<std::uint32_t>(moves.size() - 1);
                if (g.stageCleared != 0) {
                    route.cleared = true;
                    route.steps = routeTo(moves, move);
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
        const std::size_t kept = std::min(grown.size(), limits.beamWidth);
        std::partial_sort(grown.begin(), grown.begin() + static_cast<std::ptrdiff_t>(kept),
                          grown.end(), [](const Position& a, const Position& b) {
                              return a.score != b.score ? a.score < b.score : a.order < b.order;
                          });
        grown.resize(kept);
        beam = std::move(grown);
    }
    session.restore(start);
    return route;
}

std::string describeSearch(const SearchLimits& limits) {
    return "a beam of " + std::to_string(limits.beamWidth) + " positions, " +
           std::to_string(Patterns.size()) +
           " patterns of held arrows (none, each arrow, and Up or Down with Left or Right), each "
           "held for " +
           std::to_string(limits.framesPerMove) + " frames, up to " +
           std::to_string(limits.positions) + " positions";
}

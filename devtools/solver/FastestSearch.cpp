#include "devtools/solver/FastestSearch.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "devtools/solver/BestFirst.h"
#include "devtools/solver/DistanceField.h"
#include "devtools/solver/LowerBound.h"
#include "devtools/solver/RouteTree.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/StepBall.h"

namespace {

// Every set of arrows: Up and Down draw from the random sequence as well as step the ball, so
// each set leads to its own game. Space is held with each, unless the search is told not to: it
// does nothing to play until it has been held for 1000 substeps (from stage to stage: the
// charge carries over like the impulses), and from then on the ball hovers, which is seldom
// slower: nothing pulls it down, Down lowers it about as fast as it falls, and Up lifts it; a
// stage that starts just under a row of Blocks is then crossed in a few substeps, the ball
// kicked along the row from where it starts.
constexpr std::array<HeldKeys, 16> ArrowSets = [] {
    std::array<HeldKeys, 16> sets{};
    constexpr std::array<HeldKeys, 4> arrows = {HoldLeft, HoldUp, HoldRight, HoldDown};
    for (std::size_t set = 0; set < sets.size(); ++set) {
        for (std::size_t arrow = 0; arrow < arrows.size(); ++arrow) {
            if ((set >> arrow & 1u) != 0) {
                sets[set] = static_cast<HeldKeys>(sets[set] | arrows[arrow]);
            }
        }
    }
    return sets;
}();

// Two measures of how far a position still is from the open right edge: the time, roughly, that
// each kind of move of a square costs the ball (it falls and moves sideways about as fast,
// climbs at half that pace), wall kicks included, even through Blocks; and the default search's,
// which never counts on a kick. Half of the beam is kept by each: the first finds the shortcuts,
// the second keeps the search going where the first leads it into a place the ball cannot leave.
constexpr MoveWeights TimeWeights{.fall = 2, .sideways = 2, .climb = 4, .kick = 1};
constexpr MoveWeights SafeWeights{};
// A square is 4 pixels, fallen or crossed sideways at a pixel a substep.
constexpr std::int32_t SubstepsPerTimeCost = 2;

// Everything a stage's future depends on, but for the Keyboard's pressed-or-held (play reads
// only whether a key is down) and the trail (only drawn).
struct Sameness {
    std::uint64_t ball;
    std::uint64_t draws;
    bool operator==(const Sameness&) const = default;
};

struct SamenessHash {
    std::size_t operator()(const Sameness& s) const {
        return static_cast<std::size_t>(s.ball * 0x9E3779B97F4A7C15ull ^ s.draws);
    }
};

std::uint64_t bricksLeft(const StageMap& map) {
    return static_cast<std::uint64_t>(std::count(map.begin(), map.end(), Brick));
}

Sameness samenessOf(const GameState& g) {
    const auto field = [](std::int32_t value, int shift) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)) << shift;
    };
    // 10 bits of x, 9 of y, 8 of lift (to 196), 8 of kick (-100 to 100), 2 of glide, 1 of hover,
    // 11 of hover charge (to 1001), 9 of Bricks left.
    return {field(g.ballX, 0) | field(g.ballY, 10) | field(g.lift, 19) | field(g.kick + 100, 27) |
                field(g.glide + 1, 35) | field(g.hover, 37) | field(g.hoverCharge, 38) |
                bricksLeft(g.map) << 49,
            randomState};
}

struct Position {
    Snapshot snapshot;
    std::uint32_t move;
};

// One position grown by one set of arrows, remembered without its snapshot: only those kept are
// played again and captured.
struct Grown {
    std::uint32_t from;
    HeldKeys held;
    std::array<std::int32_t, 2> scores;
    std::uint64_t likeness;
};

// Positions this alike (the ball within 2 pixels, the impulses within a few substeps) differ
// mostly in their random draws; a few of them are kept, so that the beam does not fill with one
// place.
std::uint64_t likenessOf(const GameState& g) {
    const auto part = [](std::int32_t value, std::int32_t step) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value / step) & 0x3FF);
    };
    return part(g.ballX, 2) | part(g.ballY, 2) << 10 | part(g.lift, 8) << 20 |
           part(g.kick + 100, 20) << 30 | part(g.glide + 1, 1) << 40;
}
constexpr int KeptAlike = 3;

// The best by each score in turn, the earlier grown first among equals: at most KeptAlike of a
// kind while the beam is short of room, every one when all fit.
std::vector<std::uint32_t> keptOf(const std::vector<Grown>& grown, std::size_t width) {
    if (grown.size() <= width) {
        std::vector<std::uint32_t> all(grown.size());
        std::iota(all.begin(), all.end(), 0u);
        return all;
    }
    std::array<std::vector<std::uint32_t>, 2> ranked;
    for (std::size_t by = 0; by < ranked.size(); ++by) {
        ranked[by] = bestFirst(grown.size(), grown.size(), [&](std::uint32_t a, std::uint32_t b) {
            return grown[a].scores[by] != grown[b].scores[by]
                       ? grown[a].scores[by] < grown[b].scores[by]
                       : a < b;
        });
    }
    std::vector<std::uint32_t> kept;
    std::vector<bool> taken(grown.size());
    std::unordered_map<std::uint64_t, int> ofKind;
    std::array<std::size_t, 2> next{};
    for (std::size_t by = 0; kept.size() < width; by = 1 - by) {
        std::vector<std::uint32_t>& list = ranked[by];
        while (next[by] < list.size() &&
               (taken[list[next[by]]] || ofKind[grown[list[next[by]]].likeness] >= KeptAlike)) {
            ++next[by];
        }
        if (next[by] == list.size()) {
            if (next[1 - by] == ranked[1 - by].size()) {
                break;
            }
            continue;
        }
        const std::uint32_t chosen = list[next[by]];
        taken[chosen] = true;
        ++ofKind[grown[chosen].likeness];
        kept.push_back(chosen);
    }
    return kept;
}

// A clear in one substep, and what it carries into the next stage (the impulses do not stop at
// a stage's end): a kick to the right first, then the most lift.
struct Clear {
    std::uint32_t from;
    HeldKeys held;
    std::pair<std::int32_t, std::int32_t> carried;
};

std::pair<std::int32_t, std::int32_t> carriedOf(const GameState& g) {
    return {g.kick, g.lift};
}

}  // namespace

StageRoute searchFastest(SolverSession& session, const SearchLimits& limits,
                         const ProgressCheck& progress, const ClearsWanted& wanted,
                         std::vector<ClearFound>& clears) {
    const Snapshot start = session.capture();
    const std::array<DistanceField, 2> fields = {DistanceField(gameState.map, TimeWeights),
                                                 DistanceField(gameState.map, SafeWeights)};
    const auto scoresOf = [&fields, &wanted](const GameState& g) {
        const bool gliding = g.glide != 0;
        const bool hovering = g.hover != 0;
        std::array<std::int32_t, 2> scores{fields[0].at(g.ballX, g.ballY, gliding, hovering),
                                           fields[1].at(g.ballX, g.ballY, gliding, hovering)};
        if (wanted.hovering && !hovering) {
            scores[0] =
                std::max(scores[0], (HoverChargeNeeded + 1 - g.hoverCharge) / SubstepsPerTimeCost);
        }
        return scores;
    };
    StageRoute route;
    route.bestX = gameState.ballX;
    route.bestY = gameState.ballY;
    std::int32_t bestScore = scoresOf(gameState)[0];
    std::int32_t bestSafeScore = scoresOf(gameState)[1];
    const bool mayStall = gameState.hover != 0 && wanted.holdSpace;
    std::uint64_t cameCloser = 0;

    RouteTree moves;
    std::vector<Position> beam{{start, RouteTree::Root}};
    std::optional<std::pair<std::int32_t, std::int32_t>> mostCarried;
    for (std::uint64_t substeps = 1;
         !beam.empty() && route.positions < limits.positions &&
         (!route.cleared || substeps <= route.substeps + wanted.lookFurther) &&
         (!mayStall || substeps <= cameCloser + StallLimit);
         ++substeps) {
        const HeldKeys space = wanted.holdSpace || substeps > 1 ? HoldSpace : 0;
        std::vector<Grown> grown;
        grown.reserve(beam.size() * ArrowSets.size());
        std::unordered_set<Sameness, SamenessHash> seen;
        seen.reserve(beam.size() * ArrowSets.size());
        std::vector<Clear> cleared;
        std::unordered_set<Sameness, SamenessHash> clearsSeen;
        for (std::uint32_t from = 0; from < beam.size(); ++from) {
            for (const HeldKeys arrows : ArrowSets) {
                const auto held = static_cast<HeldKeys>(arrows | space);
                session.restore(beam[from].snapshot);
                session.playSubstep(held);
                ++route.positions;
                const GameState& g = gameState;
                if (g.ballLost != 0 || (g.stageCleared != 0 && wanted.hovering && g.hover == 0)) {
                    continue;
                }
                if (g.stageCleared != 0) {
                    const Clear clear{from, held, carriedOf(g)};
                    if (wanted.clearsPerSubstep == 1) {
                        if (cleared.empty()) {
                            cleared.push_back(clear);
                        } else if (clear.carried > cleared.front().carried) {
                            cleared.front() = clear;
                        }
                    } else if (cleared.size() < wanted.clearsPerSubstep &&
                               clearsSeen.insert(samenessOf(g)).second) {
                        cleared.push_back(clear);
                    }
                    continue;
                }
                if (!seen.insert(samenessOf(g)).second) {
                    continue;
                }
                const std::array<std::int32_t, 2> scores = scoresOf(g);
                if (scores[0] < bestScore) {
                    bestScore = scores[0];
                    cameCloser = substeps;
                    route.bestX = g.ballX;
                    route.bestY = g.ballY;
                }
                if (scores[1] < bestSafeScore) {
                    bestSafeScore = scores[1];
                    cameCloser = substeps;
                }
                grown.push_back({from, held, scores, likenessOf(g)});
            }
        }
        for (const Clear& clear : cleared) {
            if (wanted.clearsPerSubstep == 1) {
                if (mostCarried && clear.carried <= *mostCarried) {
                    continue;
                }
                mostCarried = clear.carried;
            }
            StageRoute found = route;
            found.cleared = true;
            found.steps = moves.routeTo(moves.add(beam[clear.from].move, clear.held, 1));
            found.substeps = substeps;
            session.restore(beam[clear.from].snapshot);
            session.playSubstep(clear.held);
            clears.push_back({found, session.capture()});
            if (!route.cleared) {
                route = found;
            }
        }
        const std::vector<std::uint32_t> kept = keptOf(grown, limits.beamWidth);
        std::vector<Position> next;
        next.reserve(kept.size());
        for (const std::uint32_t rank : kept) {
            const Grown& chosen = grown[rank];
            session.restore(beam[chosen.from].snapshot);
            session.playSubstep(chosen.held);
            next.push_back({session.capture(), moves.add(beam[chosen.from].move, chosen.held, 1)});
        }
        beam = std::move(next);
        if (progress && !progress({0, substeps, route.positions, route.bestX, route.bestY})) {
            break;
        }
    }
    session.restore(start);
    return route;
}

SearchLimits limitsToDepth(const SearchLimits& limits, std::uint64_t substeps) {
    SearchLimits cut = limits;
    cut.positions = std::min(limits.positions, substeps * limits.beamWidth * ArrowSets.size());
    return cut;
}

std::uint64_t fastestSearchBytes(const SearchLimits& limits) {
    // A grown position with its entry in the table of the same games; a move of the route
    // tree, twice over for the vector's growth. Each round keeps at most the beam and costs 16
    // positions for each position in it, so the moves come to a 16th of the budget and a beam.
    constexpr std::uint64_t GrownBytes = sizeof(Grown) + sizeof(Sameness) + 4 * sizeof(void*);
    constexpr std::uint64_t MoveBytes = 32;
    const std::uint64_t beam = limits.beamWidth;
    const std::uint64_t moves = limits.positions / ArrowSets.size() + beam;
    return 2 * beam * sizeof(Position) + beam * ArrowSets.size() * GrownBytes + moves * MoveBytes +
           lowerBoundBytes();
}

std::string describeFastest(const SearchLimits& limits) {
    return "the fastest search: a beam of " + std::to_string(limits.beamWidth) +
           " positions one substep apart, each grown by " + std::to_string(ArrowSets.size()) +
           " sets of held arrows, up to " + std::to_string(limits.positions) + " positions";
}

#include "devtools/solver/NextStageLookahead.h"

#include <algorithm>
#include <limits>

#include "game/GameState.h"
#include "game/Stage.h"
#include "game/Trail.h"

namespace {

// Narrow, to judge the next stage quickly; its clear is only an estimate, which can miss the
// full search's by tens of substeps either way.
constexpr SearchLimits QuickLimits{.positions = 6'000'000, .beamWidth = 300};
constexpr std::uint64_t EstimateMargin = 100;
// Wider: whether the hover pays in the next stage is often a matter of tens of substeps.
constexpr SearchLimits LetGoLimits{.positions = 20'000'000, .beamWidth = 1'000};
// Enough for a short exit's few substeps, and no more.
constexpr SearchLimits ShortExitLimits{.positions = 150'000, .beamWidth = 300};
constexpr int ShortExitProbes = 200;
constexpr std::uint64_t NoClear = std::numeric_limits<std::uint32_t>::max();

// The next stage's substeps from the game at a clear, entered as runGame enters it: the flag
// cleared, the map loaded with the ball on its start, the trail reset; the impulses stay.
std::uint64_t nextStageFrom(SolverSession& session, const Snapshot& end,
                            const SearchLimits& limits) {
    session.restore(end);
    GameState& g = gameState;
    g.stage += 1;
    g.stageCleared = 0;
    loadStage(g.stage);
    resetTrail();
    std::vector<ClearFound> unused;
    const StageRoute next = searchFastest(session, limits, {}, {}, unused);
    return next.cleared ? next.substeps : NoClear;
}

}  // namespace

StageRoute chooseByNextStage(SolverSession& session, const std::vector<ClearFound>& clears) {
    const Snapshot start = session.capture();
    std::uint64_t fewest = std::numeric_limits<std::uint64_t>::max();
    const StageRoute* chosen = nullptr;
    for (const ClearFound& clear : clears) {
        const std::uint64_t both =
            clear.route.substeps + nextStageFrom(session, clear.end, QuickLimits);
        // Past the fastest clear, only a clear the estimate finds well ahead is taken.
        const std::uint64_t margin = chosen == nullptr ? 0 : EstimateMargin;
        if (both + margin < fewest) {
            fewest = both;
            chosen = &clear.route;
        }
    }
    session.restore(start);
    return *chosen;
}

bool lettingGoPays(SolverSession& session, const ClearFound& hovering,
                   const ClearFound& lettingGo) {
    const Snapshot start = session.capture();
    const std::uint64_t withHover =
        hovering.route.substeps + nextStageFrom(session, hovering.end, LetGoLimits);
    const std::uint64_t withoutHover =
        lettingGo.route.substeps + nextStageFrom(session, lettingGo.end, LetGoLimits);
    session.restore(start);
    return withoutHover < withHover;
}

StageRoute chooseByShortExit(SolverSession& session, const std::vector<ClearFound>& clears,
                             std::uint64_t nextBound) {
    const Snapshot start = session.capture();
    std::uint64_t fewest = NoClear;
    const StageRoute* chosen = &clears.front().route;
    // Once gravity has pulled the ball from the row's foot it cannot get back: only a hovering
    // ball is kicked along the row for long, so where some clears end hovering, only those are
    // tried.
    const bool someHover = std::any_of(clears.begin(), clears.end(), [](const ClearFound& clear) {
        return clear.end.game.hover != 0;
    });
    int probes = 0;
    for (const ClearFound& clear : clears) {
        if (clear.route.substeps + nextBound >= fewest ||
            (someHover && clear.end.game.hover == 0)) {
            continue;
        }
        if (++probes > ShortExitProbes) {
            break;
        }
        const std::uint64_t next = nextStageFrom(session, clear.end, ShortExitLimits);
        if (next != NoClear && clear.route.substeps + next < fewest) {
            fewest = clear.route.substeps + next;
            chosen = &clear.route;
        }
    }
    session.restore(start);
    return *chosen;
}

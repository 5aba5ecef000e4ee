#include "devtools/solver/TightenedEnds.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>

#include "devtools/solver/SeededBound.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/Stage.h"

namespace {

constexpr std::size_t BringsNothing = impulseKind(0, 0, false);

// The later of two first substeps of one end, both lower bounds; 0 for an end either finds none
// can reach.
std::uint64_t later(std::uint64_t free, std::uint64_t seeded) {
    return free == 0 || seeded == 0 ? 0 : std::max(free, seeded);
}

void tighten(StageEnds& ends, const StageEnds& seeded) {
    for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
        ends.clear[kind] = later(ends.clear[kind], seeded.clear[kind]);
        ends.loss[kind] = later(ends.loss[kind], seeded.loss[kind]);
    }
}

// The start of the easier game with the real draws for one way of hovering: hovering from the
// start to the end, never, or either (a ball that may hover from the start, and let go).
SeededStart startFor(HoverWay way, SeededStart start) {
    start.hovering = way == HoveringThrough;
    start.mayHover = way == EitherWay;
    start.letsGo = way == EitherWay;
    start.hoverCharge = way == EitherWay ? HoverChargeNeeded : 0;
    return start;
}

// The searches of one stage, two at a time: each way of hovering, from a ball that brings no
// impulses and from one that brings any.
void tightenStage(StageEndsTable& table, const StageMap& map, const SeededStart& start) {
    constexpr std::size_t Searches = HoverWays * 2;
    std::array<StageEnds, Searches> found{};
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t search = next++; search < Searches; search = next++) {
            SeededStart from = startFor(static_cast<HoverWay>(search / 2), start);
            from.kinds = search % 2 == 0 ? ImpulseKindSet{1} << BringsNothing : AllImpulseKinds;
            found[search] = seededEndsFrom(
                map, from, {.substeps = HoverChargeNeeded, .positions = TightenedPositions});
        }
    };
    std::thread other(work);
    work();
    other.join();
    for (std::size_t way = 0; way < HoverWays; ++way) {
        for (std::size_t entry = 0; entry < Entries; ++entry) {
            tighten(table[way][entry], found[way * 2 + (entry == BringsNothing ? 0 : 1)]);
        }
    }
}

}  // namespace

void tightenForRoutesShorterThan(std::vector<StageEndsTable>& stages,
                                 const std::vector<std::uint64_t>& atLeast,
                                 std::uint64_t shorterThan,
                                 const std::function<void(const std::string&)>& onStage) {
    const GameState before = gameState;
    std::uint64_t after = std::accumulate(atLeast.begin(), atLeast.end(), std::uint64_t{0});
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const auto started = std::chrono::steady_clock::now();
        const std::uint64_t draws = shorterThan > after + 1 ? 4 * (shorterThan - 1 - after) : 0;
        loadStage(static_cast<std::int32_t>(i + 1));
        tightenStage(stages[i], gameState.map,
                     {.x = gameState.ballX,
                      .y = gameState.ballY,
                      .random = FirstRandomState,
                      .window = static_cast<std::uint32_t>(draws + 1)});
        after -= i < atLeast.size() ? atLeast[i] : 0;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        onStage("stage " + std::to_string(i + 1) + ": ends tightened from " +
                std::to_string(draws + 1) + " random states in " +
                std::to_string(static_cast<int>(seconds)) + " s\n");
    }
    gameState = before;
}

// The fastest search and the lower bound against the truth on small hand-made maps: each map is
// set into the game at stage 1's first frame, and an exhaustive search written here (every set
// of held arrows at every substep, each distinct game once) finds the true fewest substeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "devtools/solver/FastestSearch.h"
#include "devtools/solver/LowerBound.h"
#include "devtools/solver/SeededBound.h"
#include "devtools/solver/SolverSession.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/StepBall.h"
#include "tests/solver/FirstStage.h"

namespace {

// Rows from the top; '.' Empty, a digit that tile code. The ball starts at `x`, `y`, hovering
// (Space held since long before) or not.
struct HandMadeMap {
    std::string_view name;
    std::vector<std::string_view> rows;
    std::int32_t x;
    std::int32_t y;
    bool hovering = false;
};

StageMap mapOf(const HandMadeMap& made) {
    StageMap map{};
    for (std::size_t row = 0; row < made.rows.size(); ++row) {
        for (std::size_t column = 0; column < GridColumns; ++column) {
            const char cell = made.rows[row][column];
            map[row * GridColumns + column] = cell == '.' ? Empty : cell - '0';
        }
    }
    return map;
}

// Sets the map into the game, and the ball where it starts.
void setUp(const HandMadeMap& made) {
    GameState& g = gameState;
    g.map = mapOf(made);
    g.ballX = made.x;
    g.ballY = made.y;
}

// Everything that decides the future of play on a map without Bricks.
using Game =
    std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t>;

Game gameNow() {
    const GameState& g = gameState;
    return {g.ballX, g.ballY, g.lift, g.kick, g.glide, randomState};
}

// Breadth first over every set of the four arrows, with Space held throughout or never (it
// only starts to matter after 1000 substeps, or for a ball that hovers already), each game
// once: the fewest substeps to a clear with the ball kept, up to `limit`.
std::optional<std::uint64_t> exhaustiveMinimum(SolverSession& session, std::uint64_t limit,
                                               HeldKeys space) {
    std::vector<Snapshot> layer{session.capture()};
    std::set<Game> seen{gameNow()};
    for (std::uint64_t substeps = 1; substeps <= limit; ++substeps) {
        std::vector<Snapshot> next;
        for (const Snapshot& from : layer) {
            for (HeldKeys held = 0; held < 16; ++held) {
                session.restore(from);
                const auto arrows = static_cast<HeldKeys>(
                    ((held & 1) != 0 ? HoldLeft : 0) | ((held & 2) != 0 ? HoldUp : 0) |
                    ((held & 4) != 0 ? HoldRight : 0) | ((held & 8) != 0 ? HoldDown : 0) | space);
                session.playSubstep(arrows);
                if (gameState.ballLost != 0) {
                    continue;
                }
                if (gameState.stageCleared != 0) {
                    return substeps;
                }
                if (seen.insert(gameNow()).second) {
                    next.push_back(session.capture());
                }
            }
        }
        layer = std::move(next);
    }
    return std::nullopt;
}

struct Findings {
    std::optional<std::uint64_t> minimum;
    std::optional<std::uint64_t> bound;
    std::optional<std::uint64_t> boundWithoutHover;
    std::optional<std::uint64_t> boundHoveringThrough;
    StageEnds ends;
    SeededBound seeded;
    // The ends with the real draws from the start's random state and the next three; searched
    // whole, and cut short after a few positions, to be completed by the freer game.
    StageEnds windowed;
    StageEnds windowedCut;
    // The true fewest from each of those four random states.
    std::vector<std::optional<std::uint64_t>> minimumFromEach;
    StageRoute fastest;
};

std::uint64_t firstOf(const std::array<std::uint64_t, ImpulseKinds>& ends) {
    std::uint64_t first = 0;
    for (const std::uint64_t end : ends) {
        if (end != 0 && (first == 0 || end < first)) {
            first = end;
        }
    }
    return first;
}

constexpr std::uint32_t Window = 4;

Findings findingsOn(const HandMadeMap& made) {
    const KeyLines script = toFirstStage();
    SolverSession session(script);
    Findings findings;
    session.run([&] {
        setUp(made);
        GameState& g = gameState;
        if (made.hovering) {
            g.hover = 1;
            g.hoverCharge = HoverChargeNeeded + 1;
            // The jitter's first draw lifts the ball, as a stage's may: one that lowers it
            // first leaves it too far below the row to be kicked along it.
            for (std::uint32_t before = randomState;; before = randomState) {
                if (nextRandom() % 3 == 0) {
                    randomState = before;
                    break;
                }
            }
        }
        const Snapshot start = session.capture();
        BoundStart from{
            .x = g.ballX, .y = g.ballY, .glide = g.glide, .kick = g.kick, .lift = g.lift};
        findings.bound = substepsAtLeast(g.map, from, 1000);
        findings.ends = stageEndsAtLeast(g.map, from, 1000);
        from.hoversThrough = true;
        findings.boundHoveringThrough = substepsAtLeast(g.map, from, 1000);
        from.hoversThrough = false;
        from.mayHover = made.hovering;
        findings.boundWithoutHover = substepsAtLeast(g.map, from, 1000);
        findings.seeded = substepsAtLeastFrom(g.map, startAsPlayStands(), {1000, 100'000'000});
        SeededStart windowed = startAsPlayStands();
        windowed.mayHover = false;
        windowed.letsGo = false;
        windowed.window = Window;
        findings.windowed = seededEndsFrom(g.map, windowed, {1000, 100'000'000});
        findings.windowedCut = seededEndsFrom(g.map, windowed, {1000, 2'000});
        const HeldKeys space = made.hovering ? HoldSpace : 0;
        for (std::uint32_t later = 0; later < Window; ++later) {
            session.restore(start);
            for (std::uint32_t draw = 0; draw < later; ++draw) {
                nextRandom();
            }
            findings.minimumFromEach.push_back(exhaustiveMinimum(session, 30, space));
        }
        findings.minimum = findings.minimumFromEach.front();
        session.restore(start);
        std::vector<ClearFound> clears;
        findings.fastest = searchFastest(session, FastestLimits, {}, {}, clears);
        session.restore(start);
    });
    return findings;
}

// Rows 0 to 14 of a map: `top`, then Empty rows, then `bottom` rows.
std::vector<std::string_view> rowsOf(std::vector<std::string_view> top,
                                     std::vector<std::string_view> bottom) {
    std::vector<std::string_view> rows = std::move(top);
    while (rows.size() + bottom.size() < GridRows) {
        rows.push_back("....................");
    }
    rows.insert(rows.end(), bottom.begin(), bottom.end());
    return rows;
}

const std::vector<HandMadeMap> maps = {
    // Bounces along a floor.
    {"floor", rowsOf({}, {"11111111111111111111"}), 618, 430},
    // Falls onto a RightLauncher and glides to the edge.
    {"launcher",
     rowsOf({"....................", "....................", "....................",
             "....................", "....................", "....................",
             "....................", "....................", "....................",
             "....................", "..................6."},
            {"11111111111111111111"}),
     584, 312},
    // Kicks off a wall, over a row of Mines.
    {"wall",
     rowsOf({"....................", "....................", "....................",
             "....................", "....................", "....................",
             "....................", "....................", "....................",
             "....................", "..................1.", "..................1."},
            {"33333333333333333333"}),
     614, 350},
    // Hovers just under a row of Blocks that reaches the edge, and is kicked along it.
    {"underBlocks", rowsOf({"11111111111111111111"}, {"11111111111111111111"}), 560, 32, true},
};

class FastestOnHandMadeMaps : public testing::TestWithParam<HandMadeMap> {};

TEST_P(FastestOnHandMadeMaps, BoundsAndFastestMeetTheTrueMinimum) {
    const Findings found = findingsOn(GetParam());
    ASSERT_TRUE(found.minimum.has_value());
    ASSERT_TRUE(found.bound.has_value());
    ASSERT_FALSE(found.seeded.cut);
    const std::string figures = "bound " + std::to_string(*found.bound) + ", with the draws " +
                                std::to_string(found.seeded.atLeast) + ", minimum " +
                                std::to_string(*found.minimum);
    EXPECT_LE(*found.bound, *found.minimum) << figures;
    EXPECT_GE(*found.bound * 2, *found.minimum) << figures;
    // A ball that cannot hover is held to gravity, and the true minimum does not hover.
    ASSERT_TRUE(found.boundWithoutHover.has_value());
    EXPECT_GE(*found.boundWithoutHover, *found.bound) << figures;
    EXPECT_LE(*found.boundWithoutHover, *found.minimum) << figures;
    // The first clear of any kind is the bound's; only the Mines lose a ball.
    EXPECT_EQ(firstOf(found.ends.clear), *found.bound) << figures;
    const bool lost = std::any_of(found.ends.loss.begin(), found.ends.loss.end(),
                                  [](std::uint64_t loss) { return loss != 0; });
    EXPECT_EQ(lost, GetParam().name == "wall") << figures;
    // Never pulled by gravity is no easier, and the truth on a hovering map hovers through.
    ASSERT_TRUE(found.boundHoveringThrough.has_value());
    EXPECT_GE(*found.boundHoveringThrough, *found.bound) << figures;
    if (GetParam().hovering) {
        EXPECT_LE(*found.boundHoveringThrough, *found.minimum) << figures;
    }
    // The real draws make the game harder, never easier than the bound's without them.
    EXPECT_GE(found.seeded.atLeast, *found.bound) << figures;
    EXPECT_LE(found.seeded.atLeast, *found.minimum) << figures;
    ASSERT_TRUE(found.fastest.cleared);
    EXPECT_EQ(found.fastest.substeps, *found.minimum);

    // With every random state in the window at once, no harder than from the first alone, and
    // never harder than the true fewest from any of them.
    const std::uint64_t first = firstOf(found.windowed.clear);
    EXPECT_GE(first, *found.bound);
    EXPECT_LE(first, found.seeded.atLeast);
    ASSERT_EQ(found.minimumFromEach.size(), Window);
    ASSERT_TRUE(found.minimumFromEach.front().has_value());
    // Under the Blocks, a jitter that lowers the ball first may leave it no way out at all.
    for (const std::optional<std::uint64_t>& minimum : found.minimumFromEach) {
        EXPECT_LE(first, minimum.value_or(UINT64_MAX));
    }
    // Cut short, the freer game completes a bound that the whole search meets or passes.
    for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
        if (found.windowed.clear[kind] != 0) {
            EXPECT_NE(found.windowedCut.clear[kind], 0U) << kind;
            EXPECT_LE(found.windowedCut.clear[kind], found.windowed.clear[kind]) << kind;
        }
    }
    EXPECT_GE(firstOf(found.windowedCut.clear), *found.bound);
}

INSTANTIATE_TEST_SUITE_P(Maps, FastestOnHandMadeMaps, testing::ValuesIn(maps),
                         [](const testing::TestParamInfo<HandMadeMap>& param) {
                             return std::string(param.param.name);
                         });

// A ball may bring a lift or a kick part spent, its steps rising out of turn with a fresh one's;
// a bound for the kinds of impulses brought holds whatever is left of them.
TEST(BroughtImpulses, BoundTheTrueMinimumWhateverIsLeftOfThem) {
    struct Brought {
        std::int32_t lift;
        std::int32_t kick;
    };
    // Falls toward a row of Mines: what the ball brings decides how far it gets first.
    const HandMadeMap overMines{"over Mines", rowsOf({}, {"33333333333333333333"}), 612, 400};
    for (const Brought brought : {Brought{33, 0}, Brought{0, 37}, Brought{0, -2}}) {
        const KeyLines script = toFirstStage();
        SolverSession session(script);
        std::optional<std::uint64_t> minimum;
        SeededBound bound;
        session.run([&] {
            setUp(overMines);
            GameState& g = gameState;
            g.lift = brought.lift;
            g.kick = brought.kick;
            // Its own kind of impulses, but any counters.
            SeededStart any = startAsPlayStands();
            any.kinds = kindsBrought(0, g.glide, g.kick, g.lift);
            any.mayHover = false;
            bound = substepsAtLeastFrom(g.map, any, {1000, 100'000'000});
            minimum = exhaustiveMinimum(session, 30, 0);
        });
        const std::string figures = std::string("lift ") + std::to_string(brought.lift) +
                                    ", kick " + std::to_string(brought.kick) + ": bound " +
                                    std::to_string(bound.atLeast);
        ASSERT_TRUE(minimum.has_value()) << figures;
        EXPECT_FALSE(bound.cut) << figures;
        EXPECT_LE(bound.atLeast, *minimum) << figures << ", minimum " << *minimum;
    }
}

}  // namespace

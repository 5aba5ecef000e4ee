#include "devtools/solver/WholeGameBound.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

constexpr std::size_t Calm = impulseKind(0, 0, false);
constexpr std::size_t Lifting = impulseKind(0, 0, true);

struct Ends {
    std::uint64_t through;
    std::uint64_t without;
    std::uint64_t either;
};

// A stage that ends as `ends` from every entry, with the kind of impulses `kind`.
StageEndsTable stage(Ends ends, std::size_t kind = Calm) {
    StageEndsTable table{};
    for (std::size_t entry = 0; entry < Entries; ++entry) {
        table[HoveringThrough][entry].clear[kind] = ends.through;
        table[WithoutHover][entry].clear[kind] = ends.without;
        table[EitherWay][entry].clear[kind] = ends.either;
    }
    return table;
}

TEST(WholeGameBound, HoverCountsOnlyOnceCharged) {
    // Quick stages never wait for the charge: the game is as fast as without the hover.
    EXPECT_EQ(wholeGameAtLeast({stage({10, 20, 10}), stage({10, 20, 10})}), 40U);
    // Stages slow without the hover: it is worth waiting for in stage 2, and stage 3 follows.
    const StageEndsTable slowWithout = stage({5, 600, 5});
    EXPECT_EQ(wholeGameAtLeast({slowWithout, slowWithout, slowWithout}), 1006U);
}

TEST(WholeGameBound, LettingGoMeansChargingAgain) {
    // Stages 1 and 3 need the hover, stage 2 is slow with it: holding on through stage 2 costs
    // 900, letting go there costs the charge again, 1001 from the let-go.
    const StageEndsTable needsHover = stage({5, 2000, 5});
    EXPECT_EQ(wholeGameAtLeast({needsHover, stage({900, 100, 100}), needsHover}), 1001U + 900 + 5);
    EXPECT_EQ(wholeGameAtLeast({needsHover, stage({1500, 100, 100}), needsHover}),
              1001U + 100 + 901);
}

TEST(WholeGameBound, EntriesFollowTheStageBefore) {
    // Stage 2 is quick without the hover only for a ball that brings a lift, which stage 1 ends
    // with no sooner than substep 50.
    StageEndsTable first = stage({10, 10, 10});
    for (HoverWay way : {HoveringThrough, WithoutHover, EitherWay}) {
        first[way][AnyEntry].clear[Lifting] = 50;
    }
    StageEndsTable second = stage({5, 2000, 5});
    for (HoverWay way : {HoveringThrough, WithoutHover, EitherWay}) {
        second[way][Lifting].clear[Calm] = 5;
    }
    EXPECT_EQ(wholeGameAtLeast({first, second}), 55U);
    // Losing a ball in stage 2 after 3 substeps, lifting, makes it begin again with the lift.
    second[EitherWay][Calm].loss[Lifting] = 3;
    EXPECT_EQ(wholeGameAtLeast({first, second}), 10U + 3 + 5);
}

TEST(WholeGameBound, KindsStandForTheirImpulsesEnded) {
    EXPECT_EQ(kindsStoodForBy(Calm), ImpulseKindSet{1} << Calm);
    const ImpulseKindSet all = kindsStoodForBy(impulseKind(1, -1, true));
    EXPECT_EQ(std::popcount(all), 8);
    EXPECT_NE(all & (ImpulseKindSet{1} << impulseKind(0, -1, false)), 0U);
    EXPECT_EQ(all & (ImpulseKindSet{1} << impulseKind(-1, -1, true)), 0U);
}

}  // namespace

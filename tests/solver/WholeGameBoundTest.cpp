#include "devtools/solver/WholeGameBound.h"

#include <gtest/gtest.h>

namespace {

TEST(WholeGameBound, HoverCountsOnlyOnceCharged) {
    // Quick stages never wait for the charge: the game is as fast as without the hover.
    EXPECT_EQ(wholeGameAtLeast({{10, 20}, {10, 20}}), 40U);
    // Stages slow without the hover: it is worth waiting for in stage 2, and stage 3 follows.
    EXPECT_EQ(wholeGameAtLeast({{5, 600}, {5, 600}, {5, 600}}), 1006U);
}

}  // namespace

#pragma once
// The golden replays' scripts and what the replay tool gave for them, for runs replayed in tests.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "runs/OffScreen.h"

namespace runstest {

inline std::string goldenPath(const std::string& name) {
    return std::string(TB_REPLAYS_DIR) + "/" + name;
}

inline std::string goldenFile(const std::string& name) {
    std::ifstream in(goldenPath(name));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The golden script NAME.keys, replayed off screen.
inline ReplayOutcome replayedGolden(const std::string& name) {
    std::string error;
    const std::optional<ReplayOutcome> outcome =
        replayTextOffScreen(goldenFile(name + ".keys"), name, error);
    EXPECT_TRUE(outcome) << error;
    return outcome.value_or(ReplayOutcome{});
}

}  // namespace runstest

// Which files a write may sweep away as left by a program killed outright: only its own output's
// temporary files, named by a process number that can be one.
#include <gtest/gtest.h>

#include "platform/files/PartFiles.h"

namespace {

TEST(PartFiles, OnlyTheOutputsOwnTemporaryFilesNameAnOwner) {
    EXPECT_EQ(platform::partFileOwner("t.csv.123.part", "t.csv"), 123);
    for (const char* other :
         {"t.csv", "t.csv.part", "t.csv..part", "t.csv.12a.part", "t.csv.-5.part", "t.csv.0.part",
          "t.csv.+5.part", "t.csv. 5.part", "t.csv.99999999999.part", "t.csv.123.part.part",
          "t.csvx.123.part", "xt.csv.123.part", "u.csv.123.part", "t.csv.123.parts"}) {
        EXPECT_EQ(platform::partFileOwner(other, "t.csv"), std::nullopt) << other;
    }
}

}  // namespace

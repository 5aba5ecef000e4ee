#include <set>
#include <string_view>
#include <vector>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"
#include "game/Cues.h"
#include "tests/game/GameFixture.h"

namespace {

using Cues = GameTest;

TEST_F(Cues, TheGateLetsOneCueAFrameAndNoneBeforeItIsFirstArmed) {
    playCue(Cue::Bounce);
    armCue();
    playCue(Cue::BrickBreak);
    playCue(Cue::Bounce);
    EXPECT_EQ(audio.played, std::vector{resource::BrickBreakWave});
    EXPECT_EQ(gameState.cueArmed, 0);
}

// The trace names the cue that sounded by its wave: each of the program's waves needs a name of
// its own there, and nothing else has one.
TEST(CueNames, EveryBuiltInWaveHasOneOfItsOwn) {
    std::set<std::string_view> names;
    std::size_t waves = 0;
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == ResourceKind::Wave) {
            EXPECT_FALSE(cueNameOfWave(resource.id).empty()) << resource.id;
            names.insert(cueNameOfWave(resource.id));
            ++waves;
        }
    }
    EXPECT_EQ(names.size(), waves) << "two waves share a name";
    EXPECT_TRUE(cueNameOfWave(resource::TitleBitmap).empty());
}

}  // namespace

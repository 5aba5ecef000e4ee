// The settings kept while the game runs: a change is written at the next look (within a second),
// nothing is written while nothing changed, and a damaged file is set aside only once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "programs/tilebounce/SettingsKeeper.h"
#include "tests/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

class SettingsKeeperTest : public ::testing::Test {
  protected:
    ScratchFolder folder{"keeper"};
    fs::path path = folder / "settings.ini";
    platform::VirtualClock clock;
    Settings now;
};

TEST_F(SettingsKeeperTest, AChangeIsWrittenAtTheNextLookAndOnlyThen) {
    const SettingsFile untouched{path, Settings{}, {}};
    SettingsKeeper keeper(
        untouched, [this] { return now; }, clock);
    keeper.keepSoon();
    EXPECT_FALSE(fs::exists(path)) << "nothing changed";
    now.fullScreen = false;  // Alt+Enter
    keeper.keepSoon();
    EXPECT_FALSE(fs::exists(path)) << "looked just now";
    clock.advanceNs(SettingsKeeper::LookEveryNs);
    keeper.keepSoon();
    ASSERT_TRUE(fs::exists(path));
    EXPECT_FALSE(readSettings(path).settings.fullScreen);
    EXPECT_LT(SettingsKeeper::LookEveryNs, 1'000'000'000u) << "within a second";

    now.volume = 30;
    keeper.keepNow();
    EXPECT_EQ(readSettings(path).settings.volume, 30) << "at the end, at once";
}

TEST_F(SettingsKeeperTest, ADamagedFileIsSetAsideOnceThenReplaced) {
    const SettingsFile damaged{path, Settings{}, "settings.ini:1: not a setting"};
    SettingsKeeper keeper(
        damaged, [this] { return now; }, clock);
    { std::ofstream(path) << "nonsense\n"; }
    now.furthestStage = 5;
    keeper.keepNow();
    now.furthestStage = 6;
    keeper.keepNow();
    EXPECT_EQ(readSettings(path).settings.furthestStage, 6);
    EXPECT_TRUE(fs::exists(folder / "settings.ini.damaged"));
    EXPECT_FALSE(fs::exists(folder / "settings.ini.damaged.2")) << "what was kept is not damaged";
}

}  // namespace

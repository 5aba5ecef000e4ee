// The settings kept while the game runs: a change is written at the next look (within a second),
// nothing is written while nothing changed, a damaged file is set aside only once, two games on
// one file keep each other's changes, and a write that failed is tried again.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
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

// Game B writes only what it changed over what game A wrote meanwhile, and A's progress stays.
TEST_F(SettingsKeeperTest, AnotherGamesChangesAreKept) {
    Settings started;
    started.furthestStage = 2;
    std::string error;
    ASSERT_TRUE(writeSettings({path, {}, {}}, started, error)) << error;
    now = started;
    SettingsKeeper gameB(
        readSettings(path), [this] { return now; }, clock);
    Settings byA = started;
    byA.furthestStage = 5;
    byA.volume = 40;
    ASSERT_TRUE(writeSettings(readSettings(path), byA, error)) << error;
    now.furthestStage = 3;
    now.muted = true;
    gameB.keepNow();
    byA.muted = true;
    EXPECT_EQ(readSettings(path).settings, byA) << "progress kept never goes down";
}

// A disk too full (here, a file size limit) at one change: tried again at the next change and at
// the end, named once.
TEST_F(SettingsKeeperTest, AFailedWriteIsTriedAgainAndNamedOnce) {
    SettingsKeeper keeper(
        {path, {}, {}}, [this] { return now; }, clock);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 200;  // room for the message captured, not for the settings
    const auto lookWithLimit = [&](int volume, const rlimit& during) {
        ::setrlimit(RLIMIT_FSIZE, &during);
        now.volume = volume;
        clock.advanceNs(SettingsKeeper::LookEveryNs);
        keeper.keepSoon();
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    testing::internal::CaptureStderr();
    lookWithLimit(90, small);
    lookWithLimit(80, small);
    const std::string named = testing::internal::GetCapturedStderr();
    EXPECT_EQ(named, "tilebounce: the settings were not saved: cannot write the settings file " +
                         path.string() + ": File too large\n");
    EXPECT_FALSE(fs::exists(path));
    lookWithLimit(70, limit);
    EXPECT_EQ(readSettings(path).settings.volume, 70) << "at the next change";

    lookWithLimit(60, small);
    keeper.keepSoon();
    keeper.keepNow();
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(readSettings(path).settings.volume, 60) << "at the end";
}

}  // namespace

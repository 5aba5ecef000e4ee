#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "runs/RecordsKeeper.h"
#include "tests/ScratchFolder.h"
#include "tests/runs/RunsFixture.h"

namespace {

using runstest::goldenFile;
using runstest::replayedGolden;

struct PlayedRun {
    RunTimes times;
    std::string script;
};

PlayedRun goldenRun(const std::string& name) {
    return {replayedGolden(name).times, goldenFile(name + ".keys")};
}

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class RecordsTest : public ::testing::Test {
  protected:
    ScratchFolder folder{"records"};
    std::filesystem::path path = folder / "tilebounce" / "records";
};

TEST_F(RecordsTest, AreWrittenOnlyWhenBeatenAndReplayToTheirTimes) {
    const PlayedRun full = goldenRun("full-game");
    const PlayedRun fastest = goldenRun("fastest-game");
    {
        RecordsKeeper keeper(path);
        EXPECT_TRUE(keeper.keep());
        EXPECT_FALSE(std::filesystem::exists(path));  // nothing beaten, nothing written
        const Offered offered = keeper.offer(full.times, full.script);
        ASSERT_EQ(offered.beaten.size(), 1U + LastStage);
        EXPECT_EQ(offered.beaten[0].what, WholeGame);
        EXPECT_FALSE(offered.beaten[0].oldNs);
        EXPECT_TRUE(keeper.offer(full.times, full.script).beaten.empty());  // level: no record
        EXPECT_TRUE(keeper.keep());
    }
    RecordsKeeper again(path);
    EXPECT_TRUE(again.warnings().empty());
    ASSERT_TRUE(again.records().of(WholeGame));
    EXPECT_EQ(again.records().of(WholeGame)->ns, full.times.runNs);
    EXPECT_EQ(again.records().of(7)->ns, *full.times.clearedIn(7));
    EXPECT_EQ(again.records().sumOfBest(), full.times.runNs);  // each stage cleared once

    const Offered quicker = again.offer(fastest.times, fastest.script);
    ASSERT_FALSE(quicker.beaten.empty());
    EXPECT_EQ(quicker.beaten[0].what, WholeGame);
    EXPECT_EQ(quicker.beaten[0].oldNs, full.times.runNs);
    EXPECT_EQ(quicker.beaten[0].newNs, fastest.times.runNs);
    EXPECT_LT(quicker.beaten.size(), 1U + LastStage);  // the full game keeps some stages
}

TEST(Records, RefuseAScriptTooLargeToKeep) {
    const PlayedRun full = goldenRun("full-game");
    Records records;
    const Offered offered =
        offer(records, full.times, full.script + std::string(MaxRecordScriptBytes, '#'));
    EXPECT_TRUE(offered.beaten.empty());
    EXPECT_NE(offered.refusal, "");
    EXPECT_FALSE(records.of(WholeGame));
    EXPECT_NE(recordScriptRefusal("1000001 -\n"), "");
}

TEST_F(RecordsTest, ADamagedOrHugeFileOrARecordThatDoesNotReplayIsKeptAside) {
    const PlayedRun full = goldenRun("full-game");
    std::filesystem::create_directories(path.parent_path());
    // Stage 1 is not cleared in its script, the whole game not played in its own.
    const std::string damaged =
        "[stage 1]\n| 1 -\n| 1 Enter\n| 1 Right*\n| 300 -\n[game]\n| 1 -\n| 1 Enter\nnot records\n";
    writeFile(path, damaged);
    RecordsKeeper keeper(path);
    ASSERT_EQ(keeper.warnings().size(), 3U);
    EXPECT_NE(keeper.warnings()[0].find(":9: "), std::string::npos) << keeper.warnings()[0];
    EXPECT_NE(keeper.warnings()[1].find("stage 1 is set aside"), std::string::npos);
    EXPECT_NE(keeper.warnings()[2].find("whole game is set aside"), std::string::npos);
    EXPECT_FALSE(keeper.records().of(1));

    keeper.offer(full.times, full.script);
    ASSERT_TRUE(keeper.keep());
    EXPECT_EQ(contentOf(path.string() + ".damaged"), damaged);
    EXPECT_TRUE(RecordsKeeper(path).warnings().empty());

    const std::string huge(MaxRecordsBytes + 1, '#');
    writeFile(path, huge);
    RecordsKeeper unread(path);
    ASSERT_EQ(unread.warnings().size(), 1U);
    EXPECT_NE(unread.warnings()[0].find("larger than"), std::string::npos);
    unread.offer(full.times, full.script);
    ASSERT_TRUE(unread.keep());
    EXPECT_EQ(std::filesystem::file_size(path.string() + ".damaged.2"), huge.size());
}

TEST_F(RecordsTest, AFifoOrADeviceIsRefusedWithoutWaitingAndNamedOnce) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const PlayedRun full = goldenRun("full-game");
    for (const std::filesystem::path& refused : {path, std::filesystem::path("/dev/null")}) {
        SCOPED_TRACE(refused);
        RecordsKeeper keeper(refused);
        ASSERT_EQ(keeper.warnings().size(), 1U);
        keeper.offer(full.times, full.script);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(keeper.keep());
        EXPECT_FALSE(keeper.keep());
        const std::string named = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(named.find("not a regular file"), std::string::npos) << named;
        EXPECT_EQ(named.find("not a regular file"), named.rfind("not a regular file"));
        EXPECT_FALSE(std::filesystem::is_regular_file(refused));
    }
}

TEST_F(RecordsTest, TwoGamesOnOneFileKeepTheBetterOfEach) {
    const PlayedRun full = goldenRun("full-game");
    const PlayedRun fastest = goldenRun("fastest-game");
    RecordsKeeper first(path);
    RecordsKeeper second(path);
    first.offer(fastest.times, fastest.script);
    ASSERT_TRUE(first.keep());
    second.offer(full.times, full.script);
    ASSERT_TRUE(second.keep());

    const RecordsKeeper after(path);
    EXPECT_TRUE(after.warnings().empty());
    EXPECT_EQ(after.records().of(WholeGame)->ns, fastest.times.runNs);
    for (std::int32_t stage = FirstStage; stage <= LastStage; ++stage) {
        EXPECT_EQ(after.records().of(stage)->ns,
                  std::min(*full.times.clearedIn(stage), *fastest.times.clearedIn(stage)));
    }
    EXPECT_EQ(second.records().of(WholeGame)->ns, fastest.times.runNs);  // seen when written
}

}  // namespace

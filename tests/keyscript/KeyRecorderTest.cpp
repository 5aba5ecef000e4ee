// Recording the polls of a game as a key script: runs of equal polls, taps, written out every
// second of the clock and at the end, and a write that fails told once.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "keyscript/KeyRecorder.h"
#include "platform/seams/Clock.h"
#include "tests/FullDevice.h"
#include "tests/ScratchFolder.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

class KeyRecorderTest : public ::testing::Test {
  protected:
    KeyRecorderTest() { platform::installClock(clock); }
    ~KeyRecorderTest() override {
        platform::installClock(previous);
        std::filesystem::remove(path);
    }

    std::string recorded() const {
        return {std::istreambuf_iterator(std::ifstream(path).rdbuf()), {}};
    }
    void polls(int count) {
        platform::KeyReport reported{};
        for (int i = 0; i < count; ++i) {
            recorder.poll(reported);
        }
    }

    platform::Clock& previous = platform::clock();
    platform::VirtualClock clock;
    platform::ScriptedKeySource keys;
    std::string warned;
    KeyRecorder recorder{[this](const std::string& problem) { warned += problem + "\n"; }};
    const std::string path = std::filesystem::temp_directory_path() /
                             ("tb_recording_" + std::to_string(::getpid()) + ".keys");
};

TEST_F(KeyRecorderTest, WritesRunsOfPollsTapsAndTheEndEverySecondAndAtTheEnd) {
    std::string error;
    ASSERT_TRUE(recorder.open(path, 1, error)) << error;
    recorder.recordFrom(keys);
    polls(2);
    keys.press(VK_LEFT);
    polls(3);
    keys.tap(VK_SPACE);
    polls(1);
    keys.release(VK_LEFT);
    keys.tap(VK_RETURN);
    keys.tap(VK_RETURN);
    polls(1);
    EXPECT_EQ(recorded(), "") << "nothing written before a second has passed";
    clock.sleep(1000);
    polls(1);
    EXPECT_EQ(recorded(), "2 -\n3 Left\n1 Space*+Left\n1 Enter*\n1 -\n")
        << "everything polled written out after a second";
    polls(4);
    EXPECT_EQ(recorder.polls(), 12u);
    EXPECT_TRUE(recorder.finish("end=closed stage=1"));
    EXPECT_EQ(recorded(), "2 -\n3 Left\n1 Space*+Left\n1 Enter*\n1 -\n4 -\n# end=closed stage=1\n");
    EXPECT_EQ(warned, "");
}

TEST_F(KeyRecorderTest, AFileThatCannotBeWrittenIsNamedOnceAndTheGameGoesOn) {
    std::string error;
    EXPECT_FALSE(recorder.open("/nonexistent/r.keys", 1, error));
    EXPECT_EQ(error, "cannot write the recording /nonexistent/r.keys: No such file or directory");

    const FullDevice full;
    if (full.path().empty())
        GTEST_SKIP() << "making a full device needs root";
    ASSERT_TRUE(recorder.open(full.path().c_str(), 1, error));
    recorder.recordFrom(keys);
    keys.press(VK_RIGHT);
    for (int second = 0; second < 3; ++second) {
        clock.sleep(1000);
        polls(1);
    }
    platform::KeyReport reported{};
    recorder.poll(reported);
    EXPECT_TRUE(reported[VK_RIGHT]) << "the keys still reach the game";
    EXPECT_FALSE(recorder.finish());
    EXPECT_EQ(warned, "cannot write the recording " + full.path() + ": No space left on device\n");
}

TEST_F(KeyRecorderTest, ARecordingWhoseFolderWasRemovedWhileWrittenIsToldLost) {
    const ScratchFolder folder("recording");
    const std::string inside = (folder / "r.keys").string();
    std::string error;
    ASSERT_TRUE(recorder.open(inside, 1, error)) << error;
    recorder.recordFrom(keys);
    polls(2);
    std::filesystem::remove_all(folder.path());
    EXPECT_FALSE(recorder.finish());
    EXPECT_EQ(warned, "the recording " + inside +
                          " was removed or replaced while the game ran: it is lost\n");
}

}  // namespace

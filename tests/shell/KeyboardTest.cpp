#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/KeySource.h"
#include "shell/Keyboard.h"
#include "shell/VirtualKeys.h"

namespace {

// Counts polls, and otherwise reports like the scripted source.
class CountingKeySource : public platform::ScriptedKeySource {
  public:
    void poll(platform::KeyReport& reported) override {
        ++polls;
        ScriptedKeySource::poll(reported);
    }
    int polls = 0;
};

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::installKeySource(keys); }
    void TearDown() override { platform::installKeySource(previous_); }

    CountingKeySource keys;

  private:
    platform::KeySource& previous_ = platform::keySource();
};

TEST_F(KeyboardTest, ReadsPressedThenHeldFromTheConstructorsPollOn) {
    keys.press(VK_SPACE);
    Keyboard board;
    EXPECT_EQ(keys.polls, 1);
    std::vector<std::uint32_t> states = {board.stateOf(VK_SPACE)};
    for (int poll = 0; poll < 2; ++poll) {
        board.update();
        states.push_back(board.stateOf(VK_SPACE));
        EXPECT_EQ(board.isDown(VK_SPACE), 1);
    }
    keys.release(VK_SPACE);
    keys.press(VK_SPACE);  // released and pressed again between polls: still held
    board.update();
    states.push_back(board.stateOf(VK_SPACE));
    keys.release(VK_SPACE);
    board.update();
    states.push_back(board.stateOf(VK_SPACE));
    EXPECT_EQ(states, (std::vector<std::uint32_t>{1, 2, 2, 2, 0}));
    EXPECT_EQ(board.isDown(VK_SPACE), 0);
    EXPECT_EQ(keys.polls, 5);
}

TEST_F(KeyboardTest, ATapBetweenPollsReadsDownForExactlyOnePoll) {
    Keyboard board;
    keys.tap(VK_RETURN);
    board.update();
    EXPECT_EQ(board.stateOf(VK_RETURN), 1u);
    board.update();
    EXPECT_EQ(board.stateOf(VK_RETURN), 0u);
}

TEST_F(KeyboardTest, PollsEveryCodeButAnswersOnlyCodesInRange) {
    keys.press(0);
    keys.press(255);
    Keyboard board;
    EXPECT_EQ(board.isDown(0), 1);
    EXPECT_EQ(board.isDown(255), 1);
    EXPECT_EQ(board.isDown(VK_DOWN), 0);
    for (const int outside : {-1, 256, INT_MIN, INT_MAX}) {
        EXPECT_EQ(board.isDown(outside), 0) << outside;
        EXPECT_EQ(board.stateOf(outside), 0u) << outside;
    }
}

}  // namespace

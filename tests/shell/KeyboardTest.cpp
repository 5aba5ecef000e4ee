#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "platform/seams/KeySource.h"
#include "shell/Keyboard.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::installKeySource(keys); }
    void TearDown() override { platform::installKeySource(previous_); }

    platform::ScriptedKeySource keys;

  private:
    platform::KeySource& previous_ = platform::keySource();
};

TEST_F(KeyboardTest, KeysReadPressedHeldAndUpFromTheConstructorsPollOnAndNoneOutOfRange) {
    keys.press(VK_SPACE);
    Keyboard board;
    std::vector<std::uint32_t> space = {board.stateOf(VK_SPACE)};
    std::vector<std::uint32_t> enter = {board.stateOf(VK_RETURN)};
    const auto poll = [&] {
        board.update();
        space.push_back(board.stateOf(VK_SPACE));
        enter.push_back(board.stateOf(VK_RETURN));
    };
    poll();
    keys.release(VK_SPACE);
    keys.press(VK_SPACE);  // released and pressed again between polls: still held
    keys.tap(VK_RETURN);   // pressed and released between polls: down for one poll only
    poll();
    keys.release(VK_SPACE);
    poll();
    EXPECT_EQ(space, (std::vector<std::uint32_t>{1, 2, 2, 0}));
    EXPECT_EQ(enter, (std::vector<std::uint32_t>{0, 0, 1, 0}));

    // isDown folds pressed (Left) and held (0 and 255) together.
    keys.press(0);
    keys.press(255);
    board.update();
    keys.tap(VK_LEFT);
    board.update();
    EXPECT_EQ((std::array{board.isDown(0), board.isDown(255), board.isDown(VK_LEFT),
                          board.isDown(VK_DOWN)}),
              (std::array{1, 1, 1, 0}));
    for (const int outside : {-1, 256, INT_MIN, INT_MAX}) {
        EXPECT_EQ(board.isDown(outside) + static_cast<int>(board.stateOf(outside)), 0) << outside;
    }
}

}  // namespace

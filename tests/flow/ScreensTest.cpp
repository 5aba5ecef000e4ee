#include <array>

#include "assets/ResourceIds.h"
#include "game/GameState.h"
#include "game/Screens.h"
#include "shell/WindowInput.h"
#include "tests/flow/FlowFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace flowtest {
namespace {

constexpr std::uint16_t Black = 0x0000, White = 0xFFFF, Grey = 0x8410;

struct PictureScreen {
    const char* name;
    void (*show)();
    int bitmap;
    std::uint32_t left, top;
    std::uint16_t background;
    std::uint64_t pauseMs;
    int pollsBeforeWait;
};

void PrintTo(const PictureScreen& screen, std::ostream* out) {
    *out << screen.name;
}

class Screens : public FlowTest {
  protected:
    void SetUp() override {
        FlowTest::SetUp();
        openDisplay();
    }
    // Shows the screen with the window open again; it closes after the given number of polls
    // unless a key ended the screen before. Gives the polls the screen made.
    int pollsToEnd(void (*show)(), int pollsBeforeClosing) {
        windowInput = WindowInput{};
        const int before = keys.polls;
        closeWindowAfterPoll(before + pollsBeforeClosing - 1);
        show();
        return keys.polls - before;
    }
    // The picture shown at (left, top) is the surface's, and what lies around it is `around`.
    void expectShown(const Surface& surface, std::uint32_t left, std::uint32_t top,
                     std::uint16_t around) {
        const auto& size = surface.description();
        for (std::uint32_t y = 0; y < size.height; ++y) {
            for (std::uint32_t x = 0; x < size.width; ++x) {
                ASSERT_EQ(shown(left + x, top + y), pixelOf(surface, x, y)) << x << ',' << y;
            }
        }
        EXPECT_EQ(shown(left - 1, top), around);
        EXPECT_EQ(shown(left + size.width, top + size.height - 1), around);
        EXPECT_EQ(shown(left, top - 1), around);
        EXPECT_EQ(shown(left + size.width - 1, top + size.height), around);
    }
};

class PictureScreens : public Screens, public ::testing::WithParamInterface<PictureScreen> {};

TEST_P(PictureScreens, ShowThePictureAtItsPlaceForThePauseThenWait) {
    const PictureScreen& s = GetParam();
    closeWindow();
    s.show();
    EXPECT_EQ(sleptMs(), s.pauseMs);
    EXPECT_EQ(keys.polls - 1, s.pollsBeforeWait) << "the wait gives up at once when closed";
    expectShown(*bitmap(s.bitmap), s.left, s.top, s.background);
    EXPECT_TRUE(audio.played.empty());
}

TEST_P(PictureScreens, EndOnlyOnTheirKeysAndTheGameOverAndEndingForgetTaps) {
    const PictureScreen& s = GetParam();
    const int endedAtOnce = s.pollsBeforeWait + 1;
    const int notEnded = s.pollsBeforeWait + 5;

    clock.duringSleep = [&](std::uint32_t) { keys.tap(VK_SPACE); };
    EXPECT_EQ(pollsToEnd(s.show, notEnded), s.pollsBeforeWait > 0 ? notEnded : endedAtOnce);
    clock.duringSleep = {};
    for (const int vk : {VK_RETURN, VK_SPACE, VK_LEFT, VK_RIGHT, VK_ESCAPE, VK_UP, VK_DOWN}) {
        keys.press(vk);
        const bool ends = vk != VK_ESCAPE && vk != VK_UP && vk != VK_DOWN;
        EXPECT_EQ(pollsToEnd(s.show, notEnded), ends ? endedAtOnce : notEnded) << "held " << vk;
        keys.release(vk);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flow, PictureScreens,
    ::testing::Values(
        PictureScreen{"title", showTitle, resource::TitleBitmap, 170, 90, Black, 2000, 0},
        PictureScreen{"game_over", showGameOver, resource::GameOverBitmap, 210, 210, Black, 1000,
                      3},
        PictureScreen{"ending", showEnding, resource::EndingBitmap, 112, 140, White, 5000, 3}),
    [](const auto& screen) { return std::string(screen.param.name); });

TEST_F(Screens, TheStageCardShowsThreeWhiteOnGreyLinesAtThreeHundredWithItsCue) {
    gameState.stage = 7;
    gameState.lives = 0;
    closeWindowAfterPoll(1);
    showStageCard();
    EXPECT_EQ(audio.played, std::vector{resource::StageCardWave});
    const std::array<const char*, 3> lines = {"Stage 7", "Life 0", "Score 10000"};
    for (std::uint32_t line = 0; line < lines.size(); ++line) {
        Surface* made = nullptr;
        ASSERT_EQ(display->newTextSurface(&made, nullptr, lines[line], 0x808080, 0xFFFFFF), S_OK);
        const std::unique_ptr<Surface> text(made);
        expectShown(*text, 300, 100 + 40 * line, Grey);
    }
    EXPECT_EQ(shown(0, 0), Grey);
    EXPECT_EQ(shown(639, 479), Grey);
}

TEST_F(Screens, TheStageCardEndsOnAnArrowAfterItsFirstPassOnEnterOrSpaceFromItsSecond) {
    keys.press(VK_RIGHT);
    EXPECT_EQ(pollsToEnd(showStageCard, 5), 1);
    EXPECT_EQ(sleptMs(), 1010u);
    keys.release(VK_RIGHT);
    keys.press(VK_RETURN);
    EXPECT_EQ(pollsToEnd(showStageCard, 5), 2);
    keys.release(VK_RETURN);
    clock.duringSleep = [&](std::uint32_t ms) {
        if (ms == 1000) {
            keys.tap(VK_SPACE);  // seen at the second pass, though released
        }
    };
    EXPECT_EQ(pollsToEnd(showStageCard, 5), 2);
    clock.duringSleep = {};
    keys.press(VK_ESCAPE);
    keys.press(VK_UP);
    EXPECT_EQ(pollsToEnd(showStageCard, 5), 5);
}

TEST_F(Screens, AStageCardAfterTheWindowClosedOnlyPlaysItsCue) {
    closeWindow();
    showStageCard();
    EXPECT_EQ(keys.polls, 1);
    EXPECT_EQ(screen->presentCount(), 0u);
    EXPECT_EQ(audio.played, std::vector{resource::StageCardWave});
}

}  // namespace
}  // namespace flowtest

#include <string>

#include "assets/ResourceIds.h"
#include "game/GameState.h"
#include "game/StageTable.h"
#include "shell/WindowTitle.h"
#include "tests/flow/FlowFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace flowtest {
namespace {

TEST(MainWindowTitle, Cp949PairsItDoesNotKnowOrCutOffBecomeReplacementCharacters) {
    EXPECT_EQ(cp949ToUtf8("ab\x81\x41"), "ab\uFFFD");
    EXPECT_EQ(cp949ToUtf8("?\xC1"), "?\uFFFD") << "a lead byte cut off";
}

class RunGame : public FlowTest {
  protected:
    // Enter ends the title at its first poll (poll 1), Right, held from then on, every card at
    // its first pass.
    void SetUp() override {
        FlowTest::SetUp();
        keys.tap(VK_RETURN);
        keys.press(VK_RIGHT);
    }

    // Runs the game from `firstPlayed` on, calling `onSubstep` with the substep's number (from 1)
    // after each one.
    GameEnd run(const std::function<void(int substep)>& onSubstep,
                std::int32_t firstPlayed = FirstStage) {
        int substeps = 0;
        observeSubsteps([&] { onSubstep(++substeps); });
        ::testing::internal::CaptureStdout();
        const GameEnd end = runGame(firstPlayed);
        console = ::testing::internal::GetCapturedStdout();
        return end;
    }

    // The stage's map is on the screen, a point of each tile.
    void expectMapShown(std::size_t stage) {
        const auto tiles = bitmap(resource::TileSheetBitmap);
        for (std::int32_t cell = 0; cell < GridColumns * GridRows; ++cell) {
            const std::int32_t code = stageTable[stage][static_cast<std::size_t>(cell)];
            const std::uint32_t x = (cell % GridColumns) * 32 + 8;
            const std::uint32_t y = (cell / GridColumns) * 32 + 8;
            const std::uint32_t tileX = (code == StartMarker ? Empty : code) * 32 + 8;
            EXPECT_EQ(shown(x, y), pixelOf(*tiles, tileX, 8)) << x << ',' << y;
        }
    }

    std::string console;
};

TEST_F(RunGame, AFrameOfStageOneShowsItsMapAndTheTrailAtTheMiddleOfTheScreen) {
    run([this](int substep) {
        if (substep == 4) {
            closeWindow();  // seen at the head of the second frame
        }
    });
    expectMapShown(1);
    // Points 4..99 are still at (320, 240); the oldest, drawn last, shows the fourth dot.
    const auto tiles = bitmap(resource::TileSheetBitmap);
    const auto dots = bitmap(resource::TrailDotsBitmap);
    for (std::uint32_t dy = 0; dy < 3; ++dy) {
        for (std::uint32_t dx = 0; dx < 3; ++dx) {
            const std::uint16_t dot = pixelOf(*dots, 9 + dx, dy);
            const std::uint16_t empty = pixelOf(*tiles, (319 + dx) % 32, (239 + dy) % 32);
            EXPECT_EQ(shown(319 + dx, 239 + dy), dot == 0x001F ? empty : dot) << dx << ',' << dy;
        }
    }
}

// A practice run: the title as always, then stage 7's card and map with the usual lives; a game
// over sends it back to the first stage.
TEST_F(RunGame, APracticeRunStartsAtItsStageAfterTheTitleWithTheUsualLives) {
    const GameEnd end = run(
        [this](int substep) {
            if (substep == 5) {  // the first frame is on view
                expectMapShown(7);
                EXPECT_EQ(gameState.lives, 12);
                gameState.lives = 0;
                gameState.ballLost = 1;
            }
            if (substep == 6) {
                closeWindow();
            }
        },
        7);
    EXPECT_EQ(console, "stage7\nstage1\n");
    EXPECT_EQ(end, GameEnd::Closed);
    EXPECT_EQ(gameState.lives, 12);
}

// The lost ball counts over the clear, so the last stage is played again; the window closing
// at its head leaves the cleared flag set, and that earns no ending.
TEST_F(RunGame, ALostBallOnTheLastStageCountsOverItsClearEvenWhenTheWindowClosesNext) {
    const GameEnd end = run([this](int) {
        gameState.stage = 20;
        gameState.stageCleared = 1;
        gameState.ballLost = 1;
        closeWindow();
    });
    EXPECT_EQ(end, GameEnd::Closed);
    EXPECT_EQ(gameState.stage, 20);
    EXPECT_EQ(gameState.lives, 11);
}

TEST_F(RunGame, WithoutAWindowNothingRunsAndTheReasonIsKept) {
    installWindowFactory([](const char*, std::string& error) {
        error = "no screen here";
        return std::unique_ptr<platform::Window>();
    });
    EXPECT_EQ(run([](int) {}), GameEnd::NoWindow);
    EXPECT_EQ(mainWindowFailure(), "no screen here");
    EXPECT_EQ(keys.polls, 1);
}

}  // namespace
}  // namespace flowtest

// The player's layer on its own: what each of the player's actions does to the pause, the help
// and the volume, what is drawn over the picture and when it goes; and a kept window fitted onto
// the screens there are now.
#include <gtest/gtest.h>

#include <vector>

#include "shell/PlayerLayer.h"
#include "shell/WindowPlacement.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

using platform::OverlayPlace;
using platform::PlayerAction;

class PlayerLayerTest : public ::testing::Test {
  protected:
    PlayerLayer make(int volume = 50, bool muted = false) {
        return PlayerLayer({.volume = volume,
                            .muted = muted,
                            .furthestStage = 3,
                            .keys = {{"Pause", "P / Pause"}, {"Help", "F1"}},
                            .redraw = [this] { ++redraws; },
                            .pauseSound = [this](bool paused) { soundPaused.push_back(paused); },
                            .setVolume = [this](int level) { volumes.push_back(level); }},
                           clock);
    }
    static std::vector<OverlayPlace> places(const PlayerLayer& layer) {
        std::vector<OverlayPlace> shown;
        for (const platform::OverlayPanel& panel : layer.overlay().panels) {
            shown.push_back(panel.place);
        }
        return shown;
    }

    platform::VirtualClock clock;
    int redraws = 0;
    std::vector<bool> soundPaused;
    std::vector<int> volumes;
};

TEST_F(PlayerLayerTest, PauseHelpAndALostFocusHoldTheGame) {
    PlayerLayer layer = make();
    layer.act(PlayerAction::Pause);
    EXPECT_TRUE(layer.holding());
    layer.tick();
    EXPECT_EQ(redraws, 1) << "the panel shown over a still picture too, at the next tick";
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::Middle});
    EXPECT_NE(layer.overlay().panels[0].columns[0][0].find("P / Pause"), std::string::npos);
    layer.act(PlayerAction::FocusLost);
    EXPECT_TRUE(layer.holding()) << "a lost focus never goes on";
    layer.act(PlayerAction::Pause);
    EXPECT_FALSE(layer.holding());

    layer.act(PlayerAction::Help);
    EXPECT_TRUE(layer.holding());
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::Middle});
    EXPECT_NE(layer.overlay().panels[0].columns[1].back().find("3"), std::string::npos)
        << "the furthest stage, in Korean too";
    layer.act(PlayerAction::Pause);
    EXPECT_FALSE(layer.holding()) << "pause leaves the help";
    layer.act(PlayerAction::Help);
    layer.act(PlayerAction::Help);
    EXPECT_FALSE(layer.holding());
    layer.act(PlayerAction::FocusLost);
    layer.resume();
    EXPECT_FALSE(layer.holding()) << "the window closing ends any hold";

    EXPECT_EQ(soundPaused, (std::vector<bool>{true, false, true, false, true, false, true, false}))
        << "the sound stops and goes on with the game, once each time";
}

// However many actions come before a tick, they cost one redraw and one volume set at it; none
// when the game presents a picture first, which shows them already.
TEST_F(PlayerLayerTest, ActionsUpToATickAreRedrawnAndSoundedOnceThere) {
    PlayerLayer layer = make();
    for (int tap = 0; tap < 1000; ++tap) {
        layer.act(tap % 2 == 0 ? PlayerAction::VolumeUp : PlayerAction::VolumeDown);
    }
    layer.act(PlayerAction::Pause);
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(volumes.empty());
    layer.tick();
    layer.tick();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(volumes, std::vector{50});
    EXPECT_TRUE(layer.holding());

    layer.act(PlayerAction::Pause);
    layer.presenting();
    layer.tick();
    EXPECT_EQ(redraws, 1) << "presented first";
}

TEST_F(PlayerLayerTest, VolumeStepsWithinItsRangeAndShowsForAWhile) {
    PlayerLayer layer = make(95);
    const auto act = [&layer](PlayerAction action) {
        layer.act(action);
        layer.tick();
    };
    act(PlayerAction::VolumeUp);
    act(PlayerAction::VolumeUp);
    EXPECT_EQ(layer.volume(), 100);
    act(PlayerAction::Mute);
    EXPECT_TRUE(layer.muted());
    act(PlayerAction::VolumeDown);
    EXPECT_FALSE(layer.muted()) << "a step sounds again";
    EXPECT_EQ(volumes, (std::vector<int>{100, 100, 0, 90}));
    for (int i = 0; i < 12; ++i) {
        act(PlayerAction::VolumeDown);
    }
    EXPECT_EQ(layer.volume(), 0);
    EXPECT_FALSE(layer.holding()) << "the volume never holds the game";

    EXPECT_EQ(places(layer), std::vector{OverlayPlace::TopRight});
    EXPECT_NE(layer.overlay().panels[0].columns[0][0].find("0 %"), std::string::npos);
    const int before = redraws;
    clock.advanceNs(PlayerLayer::VolumeShownNs - 1);
    layer.tick();
    EXPECT_EQ(places(layer).size(), 1u);
    clock.advanceNs(1);
    layer.tick();
    EXPECT_TRUE(layer.overlay().empty());
    EXPECT_EQ(redraws, before + 1) << "the level taken away from a still picture too";
    layer.act(PlayerAction::Mute);
    EXPECT_NE(layer.overlay().panels[0].columns[0][0].find("Sound off"), std::string::npos);
}

TEST_F(PlayerLayerTest, TheTitlesHintLiesOverTheFirstPictureOnly) {
    PlayerLayer layer = make();
    EXPECT_TRUE(layer.overlay().empty()) << "before any picture";
    layer.presenting();
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::Bottom});
    EXPECT_NE(layer.overlay().panels[0].columns[0][1].find("화살표"), std::string::npos);
    layer.act(PlayerAction::Pause);
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::Middle}) << "not under the pause";
    layer.act(PlayerAction::Pause);
    layer.presenting();
    EXPECT_TRUE(layer.overlay().empty()) << "gone with the stage card";
    layer.reachedStage(2);
    EXPECT_EQ(layer.furthestStage(), 3);
    layer.reachedStage(8);
    EXPECT_EQ(layer.furthestStage(), 8);
}

// The run's panels: the timer while it is toggled on, a split for a while, the keys shown as the
// latest poll reported them (redrawn at the next tick when they change).
TEST_F(PlayerLayerTest, TheRunIsShownAsThePlayerToggledIt) {
    PlayerLayer layer = make();
    const platform::OverlayPanel timer{.place = OverlayPlace::TopLeft, .columns = {{"0:01.00"}}};
    layer.showTimer(timer);
    EXPECT_TRUE(layer.overlay().empty()) << "the timer starts off unless the settings say";
    layer.act(PlayerAction::Timer);
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::TopLeft});

    layer.showSplit({.place = OverlayPlace::Top});
    clock.advanceNs(PlayerLayer::SplitShownNs);
    layer.tick();
    EXPECT_EQ(places(layer), std::vector{OverlayPlace::TopLeft}) << "the split has gone";

    layer.act(PlayerAction::Timer);
    layer.act(PlayerAction::KeysShown);
    layer.tick();
    const int before = redraws;
    platform::KeyReport reported{};
    reported[VK_LEFT] = reported[VK_SPACE] = true;
    platform::KeyReport tapped{};
    tapped[VK_SPACE] = true;
    layer.polled(reported, tapped);
    layer.polled(reported, tapped);
    layer.tick();
    EXPECT_EQ(redraws, before + 1) << "redrawn once for the change";
    ASSERT_EQ(places(layer), std::vector{OverlayPlace::BottomLeft});
    EXPECT_NE(layer.overlay().panels[0].columns[0][0].find(": Space*+Left"), std::string::npos);
}

TEST(WindowPlacement, AKeptWindowIsFittedOntoTheNearestScreen) {
    const std::vector<RECT> screens = {{0, 0, 1280, 720}, {1280, 0, 3200, 1080}};
    const WindowChoice onSecond{false, 1600, 900, 1400, 100};
    EXPECT_EQ(fittedOnScreens(onSecond, screens, 640, 480), onSecond) << "it fits: unchanged";

    const WindowChoice tooLarge{false, 2560, 1600, 10, 10};
    EXPECT_EQ(fittedOnScreens(tooLarge, screens, 640, 480),
              (WindowChoice{false, 1728, 972, 1376, 54}))
        << "onto the screen that showed most of it";
    const WindowChoice goneScreen{true, 800, 600, 5000, 2000};
    EXPECT_EQ(fittedOnScreens(goneScreen, screens, 640, 480),
              (WindowChoice{true, 800, 600, 2400, 480}))
        << "the screen it was on is gone: onto the closest, whole";
    const WindowChoice unplaced{false, 0, 0, std::nullopt, std::nullopt};
    EXPECT_EQ(fittedOnScreens(unplaced, screens, 640, 480), unplaced);
    EXPECT_EQ(fittedOnScreens(unplaced, screens, 2000, 1000),
              (WindowChoice{false, 1152, 648, std::nullopt, std::nullopt}))
        << "the main screen";
    EXPECT_EQ(fittedOnScreens(tooLarge, {}, 640, 480), tooLarge) << "no screens known";
}

}  // namespace

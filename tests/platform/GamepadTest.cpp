// Gamepads as the game's keys, through SDL's virtual joystick standing in for hardware: buttons,
// the D-pad and the left stick, a press between two polls, and plugging in and out mid-game.
#include <SDL.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/platform/SdlTestSupport.h"

namespace {

using sdltest::Codes;

// A virtual gamepad, plugged in for the life of the object unless unplugged sooner.
class VirtualPad {
  public:
    VirtualPad()
        : index_(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0)),
          joystick_(index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr) {}
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }
    void button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        SDL_JoystickUpdate();  // the change as its own event, as hardware would send it
    }
    void axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
        SDL_JoystickUpdate();
    }
    void unplug() {
        if (joystick_ != nullptr) {
            SDL_JoystickClose(joystick_);
            SDL_JoystickDetachVirtual(SDL_JoystickGetDeviceInstanceID(index_) >= 0 ? index_ : 0);
            joystick_ = nullptr;
        }
    }

  private:
    int index_;
    SDL_Joystick* joystick_;
};

using Gamepad = sdltest::KeySourceTest;

TEST_F(Gamepad, ButtonsAndTheDPadHoldTheGamesKeys) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    EXPECT_EQ(poll(), Codes{}) << "plugged in: nothing pressed";
    for (const auto button :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_START,
          SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
          SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
          SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_X}) {
        pad.button(button, true);
    }
    EXPECT_EQ(poll(), (Codes{13, 27, 32, 37, 38, 39, 40})) << "X is not one of the game's";
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_EQ(poll(), (Codes{13, 27, 32, 37, 38, 39, 40})) << "held, Enter by B still";
    pad.button(SDL_CONTROLLER_BUTTON_B, false);
    EXPECT_EQ(poll(), (Codes{27, 32, 37, 38, 39, 40}));
}

// A press and release between two polls is reported once, as the keyboard's tap is.
TEST_F(Gamepad, APressBetweenTwoPollsIsSeenOnce) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    poll();
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(poll(), (Codes{32}));
    EXPECT_EQ(poll(), Codes{});
}

// Past half way a stick presses the arrow; it lets go only under a third of the way.
TEST_F(Gamepad, TheLeftStickActsAsTheArrows) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    poll();
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -15000);
    EXPECT_EQ(poll(), Codes{});
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
    EXPECT_EQ(poll(), (Codes{37, 40}));
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -12000);
    EXPECT_EQ(poll(), (Codes{37, 40})) << "still held";
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 20000);  // straight across
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
    EXPECT_EQ(poll(), (Codes{38, 39}));
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, -32768);  // not the game's
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(poll(), Codes{});
}

// Plugged in while the game runs, it plays; unplugged, the keys it held go up.
TEST_F(Gamepad, PluggingInAndOutWhileTheGameRuns) {
    EXPECT_EQ(poll(), Codes{});
    std::optional<VirtualPad> pad(std::in_place);
    ASSERT_TRUE(pad->plugged()) << SDL_GetError();
    poll();
    pad->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(poll(), (Codes{39}));
    pad.reset();
    EXPECT_EQ(poll(), Codes{});
    VirtualPad again;
    ASSERT_TRUE(again.plugged()) << SDL_GetError();
    poll();
    again.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(poll(), (Codes{32}));
}

// The buttons the game has no use for are the player's, once a press; the game never sees them.
TEST_F(Gamepad, TheButtonsTheGameDoesNotUseAreThePlayers) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    std::vector<platform::PlayerAction> acted;
    keys.onPlayerAction([&acted](platform::PlayerAction action) { acted.push_back(action); });
    poll();
    for (const SDL_GameControllerButton button :
         {SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
          SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSTICK,
          SDL_CONTROLLER_BUTTON_LEFTSTICK}) {
        pad.button(button, true);
        pad.button(button, false);
    }
    EXPECT_EQ(poll(), Codes{});
    using platform::PlayerAction;
    EXPECT_EQ(acted,
              (std::vector{PlayerAction::Pause, PlayerAction::Step, PlayerAction::Slower,
                           PlayerAction::Faster, PlayerAction::NextStage, PlayerAction::Restart}));
}

}  // namespace

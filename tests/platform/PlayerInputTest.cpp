// The player's keys and the window's focus as SDL reports them: told as the player's actions,
// never reported to the game nor sent to its window; a key the settings give to the game stays
// the game's.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/SdlWindowEvents.h"
#include "platform/sdl/keys/PlayerKeys.h"
#include "platform/sdl/keys/VirtualKeys.h"
#include "tests/platform/SdlTestSupport.h"

namespace {

using platform::PlayerAction;
using sdltest::Codes;
using sdltest::Key;
using sdltest::pushEvent;
using sdltest::pushKey;

class PlayerInputTest : public sdltest::KeySourceTest {
  protected:
    void SetUp() override {
        KeySourceTest::SetUp();
        keys.onPlayerAction([this](PlayerAction action) { acted.push_back(action); });
    }
    void TearDown() override {
        platform::bindKeys({});
        platform::bindPlayerKeys({});
    }
    static void pushWindowEvent(SDL_WindowEventID id) {
        pushEvent(SDL_WINDOWEVENT, static_cast<Uint8>(id));
    }

    std::vector<PlayerAction> acted;
};

TEST_F(PlayerInputTest, ThePlayersKeysActAndNeverReachTheGame) {
    for (const SDL_Scancode key : {SDL_SCANCODE_P, SDL_SCANCODE_PAUSE, SDL_SCANCODE_F1,
                                   SDL_SCANCODE_M, SDL_SCANCODE_MINUS, SDL_SCANCODE_KP_PLUS}) {
        pushKey(key, Key::Down);
        pushKey(key, Key::Repeat);
        pushKey(key, Key::Up);
    }
    pushKey(SDL_SCANCODE_LEFT, Key::Down);
    EXPECT_EQ(acted, std::vector<PlayerAction>{}) << "carried out at the next poll or wait";
    EXPECT_EQ(poll(), (Codes{37})) << "only the game's own key";
    EXPECT_EQ(acted,
              (std::vector{PlayerAction::Pause, PlayerAction::Pause, PlayerAction::Help,
                           PlayerAction::Mute, PlayerAction::VolumeDown, PlayerAction::VolumeDown,
                           PlayerAction::VolumeUp, PlayerAction::VolumeUp}))
        << "a volume key steps again as it repeats, the others act once";

    pushKey(SDL_SCANCODE_F2, Key::Down);
    platform::SdlWindowEvents events;
    platform::WindowMessage message;
    std::vector<std::uintptr_t> sent;
    while (events.nextMessage(message)) {
        sent.push_back(message.wParam);
    }
    EXPECT_EQ(sent, (std::vector<std::uintptr_t>{37, 0x71})) << "nor to the window: Left and F2";
}

TEST_F(PlayerInputTest, AKeyThatGivesOneOfTheGamesKeysIsTheGames) {
    platform::bindKeys({{VK_LEFT, {SDL_SCANCODE_M}}});
    platform::bindPlayerKeys({{PlayerAction::Pause, {SDL_SCANCODE_Q}}});
    pushKey(SDL_SCANCODE_M, Key::Down);
    pushKey(SDL_SCANCODE_P, Key::Down);  // no longer the pause key
    pushKey(SDL_SCANCODE_Q, Key::Down);
    EXPECT_EQ(poll(), (Codes{37, 'P'}));
    EXPECT_EQ(acted, std::vector{PlayerAction::Pause});
    EXPECT_EQ(platform::keyNamesOf(PlayerAction::Pause), "Q");
    EXPECT_EQ(platform::keyNamesOf(PlayerAction::Mute), "") << "M is the game's Left";
}

// Presses are kept for the next poll in the order they came with the player's actions, not in
// the order those are carried out.
TEST_F(PlayerInputTest, AKeyTappedWhileHeldReachesNothingAndOneStillDownIsDown) {
    bool held = false;
    keys.onPlayerAction([&held](PlayerAction) { held = !held; });
    keys.holdsGameWhile([&held] { return held; });
    const auto tap = [](SDL_Scancode key) {
        pushKey(key, Key::Down);
        pushKey(key, Key::Up);
    };
    tap(SDL_SCANCODE_LEFT);
    tap(SDL_SCANCODE_P);
    tap(SDL_SCANCODE_ESCAPE);      // after the P, though both wait for the same wait
    keys.carryOutPlayerActions();  // the game's wait: paused
    tap(SDL_SCANCODE_SPACE);
    pushKey(SDL_SCANCODE_RETURN, Key::Down);
    tap(SDL_SCANCODE_P);
    tap(SDL_SCANCODE_RIGHT);  // after going on, though the P waits for the poll
    EXPECT_EQ(poll(), (Codes{13, 37, 39}));
}

TEST_F(PlayerInputTest, OnlyAWindowThatHadTheFocusIsPausedWhenItLosesIt) {
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    poll();
    EXPECT_EQ(acted, std::vector<PlayerAction>{}) << "never had it";
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    poll();
    EXPECT_EQ(acted, std::vector{PlayerAction::FocusLost}) << "once for losing it";
}

}  // namespace

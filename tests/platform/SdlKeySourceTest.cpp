#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/SdlKeySource.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/keys/VirtualKeys.h"
#include "tests/platform/SdlTestSupport.h"

namespace {

using sdltest::Codes;
using sdltest::Key;
using sdltest::pushKey;

TEST(VirtualKeys, GiveWin32CodesAndNothingForKeysWithout) {
    const Codes scancodes{SDL_SCANCODE_Z,    SDL_SCANCODE_0,      SDL_SCANCODE_9,
                          SDL_SCANCODE_UP,   SDL_SCANCODE_F1,     SDL_SCANCODE_F24,
                          SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_9,   SDL_SCANCODE_RALT,
                          SDL_SCANCODE_MUTE, SDL_SCANCODE_ESCAPE, -1};
    Codes codes;
    for (const int scancode : scancodes) {
        codes.push_back(platform::virtualKeyOf(scancode));
    }
    EXPECT_EQ(codes, (Codes{0x5A, 0x30, 0x39, 38, 0x70, 0x87, 0x60, 0x69, 0xA5, 0, 27, 0}));
    EXPECT_EQ(platform::bothSidesKeyOf(0xA1), 0x10);
    EXPECT_EQ(platform::bothSidesKeyOf(0xA2), 0x11);
    EXPECT_EQ(platform::bothSidesKeyOf(0xA5), 0x12);
    EXPECT_EQ(platform::bothSidesKeyOf(0xA6), 0);
}

using SdlKeySourceTest = sdltest::KeySourceTest;

TEST_F(SdlKeySourceTest, ReportsATapAtOnePollAndAHeldKeyAtEvery) {
    pushKey(SDL_SCANCODE_SPACE, Key::Down);
    pushKey(SDL_SCANCODE_SPACE, Key::Up);
    pushKey(SDL_SCANCODE_LEFT, Key::Down);
    EXPECT_EQ(poll(), (Codes{32, 37}));
    pushKey(SDL_SCANCODE_LEFT, Key::Repeat);
    EXPECT_EQ(poll(), (Codes{37}));
    EXPECT_EQ(poll(), (Codes{37}));
    pushKey(SDL_SCANCODE_LEFT, Key::Up);
    EXPECT_EQ(poll(), Codes{});
}

TEST_F(SdlKeySourceTest, KeepsACodeDownWhileAnyOfItsKeysIsHeld) {
    pushKey(SDL_SCANCODE_LSHIFT, Key::Down);
    pushKey(SDL_SCANCODE_RSHIFT, Key::Down);
    pushKey(SDL_SCANCODE_LSHIFT, Key::Up);
    EXPECT_EQ(poll(), (Codes{0x10, 0xA0, 0xA1}));
    EXPECT_EQ(poll(), (Codes{0x10, 0xA1}));
    // A release of a key that went down before the watch began counts for nothing.
    pushKey(SDL_SCANCODE_RSHIFT, Key::Up);
    pushKey(SDL_SCANCODE_KP_ENTER, Key::Up);
    pushKey(SDL_SCANCODE_RETURN, Key::Down);
    pushKey(SDL_SCANCODE_KP_ENTER, Key::Down);
    pushKey(SDL_SCANCODE_RETURN, Key::Up);
    poll();
    EXPECT_EQ(poll(), (Codes{13}));
}

TEST_F(SdlKeySourceTest, HidesTheEnterOfAltEnterAndTogglesOnce) {
    int toggles = 0;
    keys.onFullScreenToggle([&toggles] { ++toggles; });
    pushKey(SDL_SCANCODE_LALT, Key::Down, KMOD_LALT);
    pushKey(SDL_SCANCODE_RETURN, Key::Down, KMOD_LALT);
    pushKey(SDL_SCANCODE_RETURN, Key::Repeat, KMOD_LALT);
    pushKey(SDL_SCANCODE_LALT, Key::Up);
    pushKey(SDL_SCANCODE_RETURN, Key::Up);  // released after Alt: still the chord's
    EXPECT_EQ(poll(), (Codes{0x12, 0xA4}));
    EXPECT_EQ(toggles, 1);
    // An Enter already held when Alt goes down stays the game's.
    pushKey(SDL_SCANCODE_RETURN, Key::Down);
    pushKey(SDL_SCANCODE_LALT, Key::Down, KMOD_LALT);
    pushKey(SDL_SCANCODE_RETURN, Key::Repeat, KMOD_LALT);
    EXPECT_EQ(poll(), (Codes{13, 0x12, 0xA4}));
    EXPECT_EQ(toggles, 1);
}

// The player's keys reach the game as the game's own codes; a rebound key no longer gives its own.
TEST_F(SdlKeySourceTest, BoundKeysGiveTheGamesOwnCodes) {
    platform::bindKeys({{37, {SDL_SCANCODE_A, SDL_SCANCODE_KP_4}}, {32, {SDL_SCANCODE_LEFT}}});
    pushKey(SDL_SCANCODE_A, Key::Down);
    EXPECT_EQ(poll(), (Codes{37}));
    pushKey(SDL_SCANCODE_A, Key::Up);
    pushKey(SDL_SCANCODE_LEFT, Key::Down);
    pushKey(SDL_SCANCODE_B, Key::Down);
    EXPECT_EQ(poll(), (Codes{32, 0x42}));
    pushKey(SDL_SCANCODE_LEFT, Key::Up);
    pushKey(SDL_SCANCODE_B, Key::Up);
    pushKey(SDL_SCANCODE_KP_4, Key::Down);
    pushKey(SDL_SCANCODE_SPACE, Key::Down);  // Space's own key, rebound away
    EXPECT_EQ(poll(), (Codes{37}));
    platform::bindKeys({});
    EXPECT_EQ(platform::virtualKeyOf(SDL_SCANCODE_A), 0x41);
    EXPECT_EQ(platform::virtualKeyOf(SDL_SCANCODE_SPACE), 32);
}

}  // namespace

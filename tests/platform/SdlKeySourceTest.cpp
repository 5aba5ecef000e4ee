#include <gtest/gtest.h>

#include <vector>

#include "platform/SdlKeySource.h"
#include "platform/SdlSession.h"
#include "platform/VirtualKeys.h"
#include "tests/platform/SdlTestSupport.h"

namespace {

using sdltest::Key;
using sdltest::pushKey;
using Codes = std::vector<int>;

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

class SdlKeySourceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(session.started()) << session.failure(); }

    // The codes one poll reports down.
    Codes poll() {
        platform::KeyReport report{};
        keys.poll(report);
        Codes down;
        for (int vk = 0; vk < 256; ++vk) {
            if (report[static_cast<std::size_t>(vk)]) {
                down.push_back(vk);
            }
        }
        return down;
    }

    platform::SdlSession session;
    platform::SdlKeySource keys;
};

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

}  // namespace

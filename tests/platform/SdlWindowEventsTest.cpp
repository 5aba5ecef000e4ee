#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlWindowEvents.h"
#include "tests/platform/SdlTestSupport.h"

namespace {

using namespace platform;
using sdltest::Key;
using sdltest::pushKey;
using Message = std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>;
using Messages = std::vector<Message>;

class SdlWindowEventsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session.started()) << session.failure();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    Messages drain() {
        Messages messages;
        for (WindowMessage m; events.nextMessage(m);) {
            messages.emplace_back(m.message, m.wParam, m.lParam);
        }
        return messages;
    }

    static void pushMouse(Uint32 type, int x, int y, Uint8 button = 0) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion.x = x;
            event.motion.y = y;
        } else {
            event.button.button = button;
            event.button.x = x;
            event.button.y = y;
        }
        SDL_PushEvent(&event);
    }

    SdlSession session;
    SdlWindowEvents events;
};

TEST_F(SdlWindowEventsTest, KeysGiveKeyMessagesAndAltChordsSystemKeys) {
    pushKey(SDL_SCANCODE_A, Key::Down);
    pushKey(SDL_SCANCODE_A, Key::Repeat);
    pushKey(SDL_SCANCODE_MUTE, Key::Down);  // no Win32 code: no message
    pushKey(SDL_SCANCODE_A, Key::Up);
    pushKey(SDL_SCANCODE_RSHIFT, Key::Down, KMOD_RSHIFT);
    pushKey(SDL_SCANCODE_LALT, Key::Down, KMOD_LALT);
    pushKey(SDL_SCANCODE_RETURN, Key::Down, KMOD_LALT);  // Alt+Enter belongs to the window
    pushKey(SDL_SCANCODE_X, Key::Down, KMOD_LALT);
    pushKey(SDL_SCANCODE_RETURN, Key::Up, KMOD_LALT);
    pushKey(SDL_SCANCODE_LALT, Key::Up);
    EXPECT_EQ(drain(), (Messages{{WM_KEYDOWN, 0x41, 0},
                                 {WM_KEYDOWN, 0x41, 0},
                                 {WM_KEYUP, 0x41, 0},
                                 {WM_KEYDOWN, 0x10, 0},
                                 {WM_SYSKEYDOWN, 0x12, 0},
                                 {WM_SYSKEYDOWN, 0x58, 0},
                                 {WM_SYSKEYUP, 0x12, 0}}));
}

TEST_F(SdlWindowEventsTest, AMouseMoveCarriesThePointAsTwoSignedWords) {
    pushMouse(SDL_MOUSEMOTION, -5, 300);
    pushMouse(SDL_MOUSEBUTTONDOWN, 10, -2, SDL_BUTTON_LEFT);
    pushMouse(SDL_MOUSEBUTTONUP, 639, 479, SDL_BUTTON_RIGHT);
    pushMouse(SDL_MOUSEBUTTONDOWN, 1, 1, SDL_BUTTON_MIDDLE);  // not the window's business
    // y in the high word, x in the low, each read back as a signed 16-bit value.
    EXPECT_EQ(
        drain(),
        (Messages{{WM_MOUSEMOVE, 0, 0x012CFFFB}, {WM_LBUTTONDOWN, 0, 0}, {WM_RBUTTONUP, 0, 0}}));
}

}  // namespace

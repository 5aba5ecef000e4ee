#pragma once
// Synthetic SDL input for the tests of the SDL seams.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/SdlKeySource.h"
#include "platform/sdl/SdlSession.h"

namespace sdltest {

enum class Key { Up, Down, Repeat };

inline void pushKey(SDL_Scancode scancode, Key key, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = key == Key::Up ? SDL_KEYUP : SDL_KEYDOWN;
    event.key.repeat = key == Key::Repeat ? 1 : 0;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

// An event of `type` (for SDL_WINDOWEVENT, of kind `windowEvent`) in SDL's queue.
inline void pushEvent(Uint32 type, Uint8 windowEvent = 0) {
    SDL_Event event{};
    event.type = type;
    event.window.event = windowEvent;
    SDL_PushEvent(&event);
}

using Codes = std::vector<int>;

// The SDL key source in a session of its own.
class KeySourceTest : public ::testing::Test {
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

}  // namespace sdltest

#pragma once
// The game after start-up, in memory: a clock that counts sleeps and can act during one, keys
// pressed by hand with the platform's latch, a window closed by hand, cues recorded and the
// game's window headless.
#include <gtest/gtest.h>

#include <optional>

#include "display/Display.h"
#include "display/device/PixelSurface.h"
#include "game/ResetGame.h"
#include "game/RunGame.h"
#include "harness/InstalledSeams.h"
#include "platform/sdl/HeadlessWindow.h"
#include "shell/StartUp.h"

namespace flowtest {

class HookedClock : public platform::VirtualClock {
  public:
    void sleep(std::uint32_t ms) override {
        VirtualClock::sleep(ms);
        if (duringSleep) {
            duringSleep(ms);
        }
    }
    std::function<void(std::uint32_t ms)> duringSleep;
};

class CountedKeys : public platform::ScriptedKeySource {
  public:
    void poll(platform::KeyReport& reported) override {
        ScriptedKeySource::poll(reported);
        if (afterPoll) {
            afterPoll(polls);
        }
        ++polls;
    }
    int polls = 0;
    std::function<void(int index)> afterPoll;
};

class FlowTest : public ::testing::Test {
  protected:
    // Start-up: the Display, then the Keyboard with its first poll (poll 0).
    void SetUp() override {
        resetGame();
        startUp.emplace();
    }
    void TearDown() override {
        observeSubsteps({});
        startUp.reset();
    }

    // The display opened as runGame opens it, for showing a screen on its own.
    void openDisplay() {
        platform::Window* window = nullptr;
        ASSERT_EQ(createMainWindow(&window), S_OK);
        ASSERT_EQ(display->openFullScreen(window, 640, 480, 16), S_OK);
    }

    void closeWindow() {
        events.post({WM_DESTROY, 0, 0});
        events.post({WM_QUIT, 0, 0});
    }
    void closeWindowAfterPoll(int index) {
        keys.afterPoll = [this, index](int polled) {
            if (polled == index) {
                closeWindow();
            }
        };
    }

    std::uint16_t shown(std::uint32_t x, std::uint32_t y) const { return screen->pixel(x, y); }
    std::uint64_t sleptMs() const { return clock.waitedNs() / 1'000'000; }

    // A bitmap as the display makes it, to compare pictures with.
    std::unique_ptr<Surface> bitmap(int id) const {
        Surface* made = nullptr;
        display->newBitmapSurface(&made, id, 0, 0);
        return std::unique_ptr<Surface>(made);
    }
    static std::uint16_t pixelOf(const Surface& surface, std::uint32_t x, std::uint32_t y) {
        return surface.platformSurface()->row(y)[x];
    }

    HookedClock clock;
    CountedKeys keys;
    platform::ScriptedWindowEvents events;
    platform::RecordingAudio audio;
    platform::HeadlessWindow* screen = nullptr;
    InstalledSeams seams{{.clock = &clock,
                          .keys = &keys,
                          .events = &events,
                          .audio = &audio,
                          .windows = [this](const char*, std::string&) {
                              auto made = std::make_unique<platform::HeadlessWindow>();
                              screen = made.get();
                              return made;
                          }}};
    std::optional<StartUp> startUp;
};

}  // namespace flowtest

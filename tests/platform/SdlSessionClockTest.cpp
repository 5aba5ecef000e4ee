#include <gtest/gtest.h>

#include <SDL.h>

#include <csignal>

#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlSession.h"
#include "tests/ScopedEnv.h"

// SDL opens D-Bus when it looks for a real display and, by design, leaves the library's process-
// wide state to the program; libdbus keeps a buffer of it until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

namespace {

TEST(SdlSession, WithoutADisplayNamesTheCauseAndLeavesSdlShutDown) {
    {
        const ScopedEnv driver{"SDL_VIDEODRIVER", nullptr};
        const ScopedEnv display{"DISPLAY", ":987654"};
        const platform::SdlSession session;  // not content with a driver that shows nothing
        EXPECT_FALSE(session.started());
        EXPECT_NE(session.failure().find("display (DISPLAY=:987654)"), std::string::npos)
            << session.failure();
        EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    }
    {
        const platform::SdlSession session;
        EXPECT_TRUE(session.started()) << session.failure();
        EXPECT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

TEST(SdlClock, SleepsUntilTheDeadlineAndNotShortOfIt) {
    platform::SdlClock clock;
    const std::uint64_t start = clock.nowNs();
    const std::uint64_t deadline = start + 3'500'000;
    clock.sleepUntilNs(deadline);
    EXPECT_GE(clock.nowNs(), deadline);
}

// Time counted toward a sleep shortens only the next one: what the sleep had no room for is not
// carried over to the one after.
TEST(SdlClock, CountsTimeAlreadyGoneAgainstTheNextSleepOnly) {
    platform::SdlClock clock;
    clock.countTowardNextSleep(2'000'000);
    std::uint64_t start = clock.nowNs();
    clock.sleep(5);
    EXPECT_GE(clock.nowNs(), start + 3'000'000);
    clock.countTowardNextSleep(50'000'000);
    clock.sleep(1);
    start = clock.nowNs();
    clock.sleep(3);
    EXPECT_GE(clock.nowNs(), start + 3'000'000);
}

int countQuits(void* quits, SDL_Event* event) {
    *static_cast<int*>(quits) += event->type == SDL_QUIT ? 1 : 0;
    return 0;
}

// While the game sleeps, SDL's watchers still see the desktop's events (the window repaints
// itself when uncovered); the events wait in SDL's queue for the game's next pump. An interrupt
// is an event that SDL makes only when events are taken in.
TEST(SdlClock, TakesInEventsWhileAsleep) {
    const platform::SdlSession session;
    ASSERT_TRUE(session.started()) << session.failure();
    int quits = 0;
    SDL_AddEventWatch(countQuits, &quits);
    std::raise(SIGINT);
    EXPECT_EQ(quits, 0);
    platform::SdlClock().sleep(1);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT), 1) << "still queued";
    SDL_DelEventWatch(countQuits, &quits);
}

}  // namespace

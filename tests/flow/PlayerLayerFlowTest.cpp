// The player's layer around a whole game: the same keys played with pauses, help, a lost focus
// and volume changes in the middle give the same game, poll for poll and substep for substep, as
// without them; while held, no poll is made and the game's clock stands still.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/ResetGame.h"
#include "game/RunGame.h"
#include "harness/InstalledSeams.h"
#include "shell/PausingClock.h"
#include "shell/PlayerLayer.h"
#include "shell/StartUp.h"
#include "tests/flow/FlowFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

using platform::PlayerAction;

// Keys pressed after each poll of the game: enough to leave the title and the card and steer.
void pressFor(int poll, platform::ScriptedKeySource& keys) {
    const std::map<int, std::function<void()>> plan = {
        {1, [&] { keys.tap(VK_RETURN); }},   {3, [&] { keys.tap(VK_RIGHT); }},
        {10, [&] { keys.press(VK_RIGHT); }}, {60, [&] { keys.release(VK_RIGHT); }},
        {61, [&] { keys.press(VK_SPACE); }}, {140, [&] { keys.release(VK_SPACE); }},
        {150, [&] { keys.press(VK_LEFT); }}, {190, [&] { keys.release(VK_LEFT); }},
        {400, [&] { keys.tap(VK_ESCAPE); }},
    };
    if (const auto step = plan.find(poll); step != plan.end()) {
        step->second();
    }
}

struct Played {
    GameEnd end = GameEnd::Closed;
    int polls = 0;
    std::vector<std::string> trace;  // a row a substep
    std::vector<int> cues;
    std::uint64_t gameNs = 0;  // the game's own time at its end
    std::uint64_t realNs = 0;
    int holds = 0;
};

// The game played with the keys above; `player` acts after the polls it names.
Played play(const std::map<int, PlayerAction>& player) {
    resetGame();
    Played played;
    flowtest::HookedClock real;
    flowtest::CountedKeys keys;
    platform::ScriptedWindowEvents events;
    platform::RecordingAudio audio;
    PlayerLayer layer({}, real);
    std::optional<int> heldAtPoll;
    std::uint64_t heldGameNs = 0;
    int waits = 0;
    std::optional<PausingClock> clock;
    clock.emplace(
        real, layer,
        [&](std::uint32_t ms) {
            if (!heldAtPoll) {
                heldAtPoll = keys.polls;
                heldGameNs = clock->nowNs();
                ++played.holds;
            }
            EXPECT_EQ(keys.polls, *heldAtPoll) << "a poll while held";
            EXPECT_EQ(clock->nowNs(), heldGameNs) << "the game's clock moved while held";
            real.advanceNs(std::uint64_t{ms} * 1'000'000);  // the player takes a while
            if (++waits % 3 == 0) {
                layer.act(PlayerAction::Pause);  // goes on, from a pause or the help
                heldAtPoll.reset();
            }
            return true;
        },
        std::function<void()>());
    keys.afterPoll = [&](int index) {
        pressFor(index, keys);
        if (const auto action = player.find(index); action != player.end()) {
            layer.act(action->second);
        }
    };
    const InstalledSeams seams(
        {.clock = &*clock, .keys = &keys, .events = &events, .audio = &audio});
    std::optional<StartUp> startUp;
    startUp.emplace();
    observeSubsteps([&] {
        const GameState& g = gameState;
        played.trace.push_back(std::to_string(keys.polls) + "," + std::to_string(g.stage) + "," +
                               std::to_string(g.lives) + "," + std::to_string(g.ballX) + "," +
                               std::to_string(g.ballY));
    });
    played.end = runGame();
    observeSubsteps({});
    startUp.reset();
    played.polls = keys.polls;
    played.cues = audio.played;
    played.gameNs = clock->nowNs();
    played.realNs = real.nowNs();
    return played;
}

TEST(PlayerLayerFlow, PausesHelpAndVolumeLeaveTheGameAsItWas) {
    const Played plain = play({});
    ASSERT_EQ(plain.end, GameEnd::Escape);
    ASSERT_GT(plain.trace.size(), 300u);

    const Played held = play({{0, PlayerAction::VolumeUp},
                              {2, PlayerAction::Pause},  // on the stage card
                              {30, PlayerAction::Help},
                              {31, PlayerAction::Mute},
                              {100, PlayerAction::FocusLost},
                              {170, PlayerAction::VolumeDown},
                              {250, PlayerAction::Pause}});
    EXPECT_EQ(held.holds, 4);
    EXPECT_EQ(held.end, plain.end);
    EXPECT_EQ(held.polls, plain.polls);
    EXPECT_EQ(held.trace, plain.trace);
    EXPECT_EQ(held.cues, plain.cues);
    EXPECT_EQ(held.gameNs, plain.gameNs) << "the game's clock stood still while held";
    EXPECT_EQ(held.realNs - plain.realNs, 4 * 3 * PausingClock::HeldWakeMs * 1'000'000ull);
}

}  // namespace

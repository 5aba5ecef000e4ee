// A recording played back and steered: faster and slower, paused and stepped a frame at a time,
// skipped on to the next stage. It plays the game poll for poll and substep for substep as
// played back plainly; only the pacing and the pictures shown differ.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/ResetGame.h"
#include "game/RunGame.h"
#include "harness/InstalledSeams.h"
#include "keyscript/KeyScriptFile.h"
#include "keyscript/ScriptKeys.h"
#include "platform/sdl/HeadlessWindow.h"
#include "shell/PausingClock.h"
#include "shell/PlaybackControl.h"
#include "shell/StartUp.h"

namespace {

using platform::PlayerAction;

struct Played {
    GameEnd end = GameEnd::Closed;
    std::uint64_t polls = 0;
    std::vector<std::string> trace;  // a row a substep
    std::vector<int> cues;
    std::uint64_t shown = 0;  // pictures that reached the window
    std::uint64_t realNs = 0;
    int heldWaits = 0;
};

// The keys of the script, and the player's steering after the polls it names.
class SteeredKeys : public platform::KeySource {
  public:
    SteeredKeys(ScriptKeySource& script, std::map<std::uint64_t, std::vector<PlayerAction>> plan,
                std::function<void(PlayerAction)> act)
        : script_(script), plan_(std::move(plan)), act_(std::move(act)) {}
    void poll(platform::KeyReport& reported) override {
        script_.poll(reported);
        for (const PlayerAction action : plan_[script_.polls()]) {
            act_(action);
        }
    }
    platform::KeyReport tappedAtLatestPoll() const override { return script_.tappedAtLatestPoll(); }

  private:
    ScriptKeySource& script_;
    std::map<std::uint64_t, std::vector<PlayerAction>> plan_;
    std::function<void(PlayerAction)> act_;
};

// The fastest whole game played back. Held by a pause, the player steps two frames, then goes on.
Played playBack(const std::map<std::uint64_t, std::vector<PlayerAction>>& plan) {
    resetGame();
    KeyScriptFile file;
    std::string error;
    EXPECT_TRUE(file.open(TB_REPLAYS "/fastest-game.keys", error)) << error;
    KeyScriptReader reader(file.stream(), file.name());
    ScriptKeySource script(reader);
    ScriptWindowEvents events(script);
    platform::RecordingAudio audio;
    platform::VirtualClock real;
    PlayerLayer layer({}, real);
    std::optional<PlaybackControl> control;
    int waits = 0;
    PausingClock pausing(
        real, layer,
        [&](std::uint32_t ms) {
            real.advanceNs(std::uint64_t{ms} * 1'000'000);
            control->act(++waits % 3 == 0 ? PlayerAction::Pause : PlayerAction::Step);
            return true;
        },
        {});
    PlaybackClock clock(pausing);
    control.emplace(layer, clock, [&] {
        return PlaybackProgress{gameState.stage, script.polls(), file.polls()};
    });
    SteeredKeys keys(script, plan, [&](PlayerAction action) {
        if (!control->act(action)) {
            layer.act(action);
        }
    });
    platform::HeadlessWindow* shown = nullptr;
    const InstalledSeams seams({.clock = &clock,
                                .keys = &keys,
                                .events = &events,
                                .audio = &audio,
                                .windows = [&](const char*, std::string&) {
                                    auto made = std::make_unique<platform::HeadlessWindow>();
                                    made->keepPictures(false);
                                    shown = made.get();
                                    return std::make_unique<PlaybackWindow>(std::move(made),
                                                                            *control);
                                }});
    Played played;
    observeSubsteps([&] {
        const GameState& g = gameState;
        played.trace.push_back(std::to_string(script.polls()) + "," + std::to_string(g.stage) +
                               "," + std::to_string(g.lives) + "," + std::to_string(g.ballX) + "," +
                               std::to_string(g.ballY));
    });
    {
        const StartUp startUp;
        played.end = runGame();
        played.shown = shown->presentCount();
    }
    observeSubsteps({});
    played.polls = script.polls();
    played.cues = audio.played;
    played.realNs = real.nowNs();
    played.heldWaits = waits;
    return played;
}

TEST(PlaybackFlow, SteeringChangesThePaceAndThePicturesShownNeverThePlay) {
    const Played plain = playBack({});
    ASSERT_EQ(plain.end, GameEnd::Ending);

    const Played steered = playBack({
        {10,
         {PlayerAction::Faster, PlayerAction::Faster, PlayerAction::Faster, PlayerAction::Faster,
          PlayerAction::Faster}},     // at most 16 times
        {400, {PlayerAction::Step}},  // a pause
        {800, {PlayerAction::NextStage}},
        {1500, {PlayerAction::NextStage}},
        {1501, {PlayerAction::NextStage}},  // ends that skip
        {2000,
         {PlayerAction::Slower, PlayerAction::Slower, PlayerAction::Slower, PlayerAction::Slower,
          PlayerAction::Slower, PlayerAction::Slower, PlayerAction::Slower}},  // at least a quarter
        {2100, {PlayerAction::Pause}},
        {3000, {PlayerAction::Faster, PlayerAction::NextStage}},
        {6000, {PlayerAction::Help, PlayerAction::NextStage}},  // skipping leaves the help
    });
    EXPECT_EQ(steered.end, plain.end);
    EXPECT_EQ(steered.polls, plain.polls);
    EXPECT_EQ(steered.trace, plain.trace);
    EXPECT_EQ(steered.cues, plain.cues);
    EXPECT_LT(steered.shown, plain.shown) << "pictures skipped were shown";
    EXPECT_NE(steered.realNs, plain.realNs) << "the pace did not change";
    EXPECT_GE(steered.heldWaits, 6) << "not paused and stepped twice";
}

TEST(PlaybackClock, RunsTheGamesTimeFasterSlowerOrAtOnceWhileSkipping) {
    platform::VirtualClock real;
    real.advanceNs(5'000'000'000);
    PlaybackClock clock(real);
    const auto sleptFor = [&](std::uint64_t gameNs) {
        const std::uint64_t before = real.nowNs();
        clock.sleepUntilNs(clock.nowNs() + gameNs);
        return real.nowNs() - before;
    };
    EXPECT_EQ(sleptFor(1'000), 1'000u);
    clock.setSpeedStep(2);
    EXPECT_EQ(sleptFor(1'000), 250u);
    clock.setSpeedStep(-9);
    EXPECT_EQ(clock.speedStep(), PlaybackClock::SlowestStep);
    EXPECT_EQ(sleptFor(1'000), 4'000u);
    const std::uint64_t before = clock.nowNs();
    clock.setSkipping(true);
    EXPECT_EQ(sleptFor(1'000'000'000), 0u);
    EXPECT_EQ(clock.nowNs(), before + 1'000'000'000);
    clock.setSkipping(false);
    clock.setSpeedStep(99);
    EXPECT_EQ(clock.speedStep(), PlaybackClock::FastestStep);
    EXPECT_EQ(sleptFor(16'000), 1'000u);
    EXPECT_EQ(clock.nowNs(), before + 1'000'016'000) << "the game's time went back or jumped";
}

}  // namespace

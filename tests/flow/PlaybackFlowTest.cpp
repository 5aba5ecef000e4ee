// A recording played back and steered: faster and slower, paused and stepped a frame at a time,
// skipped on to the next stage, taken back to its start. It plays the game poll for poll and
// substep for substep as played back plainly; only the pacing and the pictures shown differ.
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
#include "keyscript/ScriptedPlay.h"
#include "platform/sdl/HeadlessWindow.h"
#include "shell/PausingClock.h"
#include "shell/PlaybackControl.h"
#include "shell/StartUp.h"

namespace {

using platform::PlayerAction;

// The last run's; how many ran before it.
struct Played {
    GameEnd end = GameEnd::Closed;
    std::uint64_t polls = 0;
    std::vector<std::int32_t> stagesStarted;  // as the console lines name them
    std::vector<std::string> trace;           // a row a substep
    std::vector<int> cues;
    int restarts = 0;
    std::uint64_t shown = 0;  // pictures that reached the window
    std::uint64_t realNs = 0;
    int heldWaits = 0;
};

// The player's keyboard under the script, whose keys it never gives: the player's steering at
// the polls the plan names, counted over every run.
class SteeringKeys : public platform::KeySource {
  public:
    SteeringKeys(std::map<std::uint64_t, std::vector<PlayerAction>> plan,
                 std::function<void(PlayerAction)> act)
        : plan_(std::move(plan)), act_(std::move(act)) {}
    void poll(platform::KeyReport& reported) override {
        reported = {};
        for (const PlayerAction action : plan_[++polls_]) {
            act_(action);
        }
    }
    platform::KeyReport tappedAtLatestPoll() const override { return {}; }

  private:
    std::map<std::uint64_t, std::vector<PlayerAction>> plan_;
    std::function<void(PlayerAction)> act_;
    std::uint64_t polls_ = 0;
};

// The fastest whole game played back, run again from its start as the player asks; recorded
// again to `recording` when given. Held by a pause, the player steps two frames, then goes on.
Played playBack(const std::map<std::uint64_t, std::vector<PlayerAction>>& plan,
                std::optional<std::string> recording = {}) {
    resetGame();
    ScriptedPlay scripted;
    std::string error;
    int status = 0;
    EXPECT_TRUE(scripted.prepare(
        {.recordPath = std::move(recording), .playbackPath = TB_REPLAYS "/fastest-game.keys"},
        error, status))
        << error;
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
    control.emplace(
        layer, clock,
        [&] {
            return PlaybackProgress{gameState.stage, scripted.playedPolls(),
                                    scripted.playbackPolls()};
        },
        scripted.restartable());
    SteeringKeys keys(plan, [&](PlayerAction action) {
        if (!control->act(action)) {
            layer.act(action);
        }
    });
    platform::ScriptedWindowEvents desktop;
    platform::HeadlessWindow* shown = nullptr;
    const InstalledSeams seams(
        {.clock = &clock, .audio = &audio, .windows = [&](const char*, std::string&) {
             auto made = std::make_unique<platform::HeadlessWindow>();
             made->keepPictures(false);
             shown = made.get();
             return std::make_unique<PlaybackWindow>(std::move(made), *control);
         }});
    scripted.install(keys, desktop);
    Played played;
    observeSubsteps([&] {
        const GameState& g = gameState;
        played.trace.push_back(std::to_string(scripted.playedPolls()) + "," +
                               std::to_string(g.stage) + "," + std::to_string(g.lives) + "," +
                               std::to_string(g.ballX) + "," + std::to_string(g.ballY));
    });
    observeStageStarts([&] { played.stagesStarted.push_back(gameState.stage); });
    for (bool again = true; again;) {
        played.stagesStarted.clear();
        played.trace.clear();
        audio.played.clear();
        {
            const StartUp startUp;
            played.end = runGame();
            played.shown += shown->presentCount();
        }
        again = control->takeRestart();
        if (again) {
            ++played.restarts;
            EXPECT_TRUE(scripted.restart(error)) << error;
            resetGame();
        }
    }
    observeSubsteps({});
    observeStageStarts({});
    played.polls = scripted.playedPolls();
    played.cues = audio.played;
    played.realNs = real.nowNs();
    played.heldWaits = waits;
    return played;
}

// The same game played: the console lines, the trace, the cues and the end line.
void expectSamePlay(const Played& played, const Played& plain) {
    EXPECT_EQ(played.end, plain.end);
    EXPECT_EQ(played.polls, plain.polls);
    EXPECT_EQ(played.stagesStarted, plain.stagesStarted);
    EXPECT_EQ(played.trace, plain.trace);
    EXPECT_EQ(played.cues, plain.cues);
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
    expectSamePlay(steered, plain);
    EXPECT_LT(steered.shown, plain.shown) << "pictures skipped were shown";
    EXPECT_NE(steered.realNs, plain.realNs) << "the pace did not change";
    EXPECT_GE(steered.heldWaits, 6) << "not paused and stepped twice";
}

TEST(PlaybackFlow, ARestartPlaysTheRecordingAgainFromItsStartAsAPlainPlayback) {
    const Played plain = playBack({});
    // Restarted while paused and skipping, at double speed, then steered on: the speed is kept.
    const Played restarted = playBack({
        {10, {PlayerAction::Faster}},
        {1200, {PlayerAction::NextStage}},
        {1300, {PlayerAction::Pause, PlayerAction::Restart, PlayerAction::Restart}},
        {1400, {PlayerAction::Step}},
        {2500, {PlayerAction::NextStage}},
    });
    EXPECT_EQ(restarted.restarts, 1);
    expectSamePlay(restarted, plain);

    // Recorded again, the recording would have to be taken back: the game plays on.
    const Played recorded =
        playBack({{1300, {PlayerAction::Restart}}}, testing::TempDir() + "restarted.keys");
    EXPECT_EQ(recorded.restarts, 0);
    expectSamePlay(recorded, plain);
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

// The physics: stepBall substeps on stage 1 under a fixed pattern of keys, a new ball whenever
// the stage is cleared or the ball lost.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <initializer_list>

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Stage.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "harness/InstalledSeams.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

constexpr int SubstepsPerFrame = 4;

struct HeldKeys {
    std::uint64_t substeps;
    std::initializer_list<int> keys;
};

// Up the stairs, a pause, back, a charged hover and down: every branch of the control in turn.
const std::array<HeldKeys, 6> keyPattern = {{
    {300, {VK_RIGHT}},
    {100, {}},
    {150, {VK_LEFT, VK_UP}},
    {1200, {VK_SPACE}},
    {100, {VK_SPACE, VK_RIGHT, VK_UP}},
    {150, {VK_DOWN, VK_RIGHT}},
}};

void newBall() {
    gameState = GameState{};
    loadStage(1);
    resetTrail();
}

// The keys of the pattern's next entry, polled once: the keyboard reads them until the next.
void holdOnly(platform::ScriptedKeySource& keys, const HeldKeys& held) {
    for (const int vk : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SPACE}) {
        keys.release(vk);
    }
    for (const int vk : held.keys) {
        keys.press(vk);
    }
    keyboard->update();
}

void stepBallStageOne(benchmark::State& state) {
    InMemoryGame game;
    newBall();

    std::size_t entry = keyPattern.size() - 1;
    std::uint64_t leftOfEntry = 0;
    std::uint64_t substep = 0;
    for (auto _ : state) {
        if (leftOfEntry == 0) {
            entry = (entry + 1) % keyPattern.size();
            leftOfEntry = keyPattern[entry].substeps;
            holdOnly(game.keys, keyPattern[entry]);
        }
        if (substep % SubstepsPerFrame == 0) {
            armCue();
        }
        stepBall();
        if (gameState.stageCleared != 0 || gameState.ballLost != 0) {
            newBall();
        }
        --leftOfEntry;
        ++substep;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));  // substeps
}
BENCHMARK(stepBallStageOne);

}  // namespace

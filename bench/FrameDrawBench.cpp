// One presented frame of play, drawn: four substeps of drawMap and drawTrail (1,600 blits) into
// the back buffer, beside a plain memcpy of the same number of bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "assets/ResourceIds.h"
#include "display/Display.h"
#include "game/Draw.h"
#include "game/GameState.h"
#include "game/Stage.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "harness/InstalledSeams.h"
#include "platform/sdl/HeadlessWindow.h"

namespace {

constexpr int SubstepsPerFrame = 4;
constexpr std::size_t DotPixels = 3 * 3;
// What one substep's drawing writes: every pixel of the screen, then the 100 dots.
constexpr std::size_t SubstepBytes = (640 * 480 + TrailLength * DotPixels) * sizeof(std::uint16_t);
constexpr std::size_t FrameBytes = SubstepsPerFrame * SubstepBytes;

// Stage 1 a hundred substeps in, as the game draws it: the Display open at full screen on a
// headless window, the two play pictures loaded, the trail spread out behind the ball.
class StageOneInPlay {
  public:
    StageOneInPlay() {
        display = &display_;
        display_.openFullScreen(&window_, 640, 480, 16);
        display_.newBitmapSurface(&tileSheet, resource::TileSheetBitmap, 0, 0);
        display_.newBitmapSurface(&trailDots, resource::TrailDotsBitmap, 0, 0);
        trailDots->setSourceKey(0xFF0000);
        gameState = GameState{};
        loadStage(1);
        resetTrail();
        for (std::size_t i = 0; i < TrailLength; ++i) {
            stepBall();
        }
    }
    ~StageOneInPlay() {
        delete tileSheet;
        tileSheet = nullptr;
        delete trailDots;
        trailDots = nullptr;
        display = nullptr;
    }
    StageOneInPlay(const StageOneInPlay&) = delete;
    StageOneInPlay& operator=(const StageOneInPlay&) = delete;

    bool ready() const { return tileSheet != nullptr && trailDots != nullptr; }

  private:
    InMemoryGame game_;
    platform::HeadlessWindow window_;
    Display display_;
};

void drawPlayFrame(benchmark::State& state) {
    const StageOneInPlay scene;
    if (!scene.ready()) {
        state.SkipWithError("the play pictures could not be loaded");
        return;
    }
    for (auto _ : state) {
        for (int substep = 0; substep < SubstepsPerFrame; ++substep) {
            drawMap();
            drawTrail();
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * FrameBytes));
}
BENCHMARK(drawPlayFrame);

// The same bytes, written as four substep-sized copies into a buffer as large as the drawing's.
void memcpyFrameBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> from(SubstepBytes, 0x5A);
    std::vector<std::uint8_t> to(SubstepBytes);
    for (auto _ : state) {
        for (int substep = 0; substep < SubstepsPerFrame; ++substep) {
            std::memcpy(to.data(), from.data(), SubstepBytes);
            benchmark::ClobberMemory();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * FrameBytes));
}
BENCHMARK(memcpyFrameBytes);

}  // namespace

// present on the SDL presenter, on whatever video driver the environment names (the dummy one
// by default): the upload of a frame into the window's surface alone, and the whole present,
// in a 640 × 480 window and at full screen, where it is also scaled. Every row of the frame
// changes between presents, as when a new picture comes, so each present does its whole work (a
// frame of play changes a few rows, and only those are scaled again); `uploadUnchanged` gives
// the cost of finding that nothing changed, `uploadRowEndsChanged` the worst case, each row
// changed only at its end. The pacing runs on a virtual clock, so it costs nothing here.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "display/Display.h"
#include "harness/InstalledSeams.h"
#include "platform/picture/PictureScaler.h"
#include "platform/sdl/SdlWindow.h"

namespace {

enum class Shown { UploadOnly, Windowed, FullScreen };
// Which pixel of every row changes before each present.
enum class Change { None, RowStarts, RowEnds };

void changeEveryRow(device::PixelSurface& frame, Change change) {
    const std::uint32_t column = change == Change::RowStarts ? 0 : frame.description().width - 1;
    for (std::uint32_t y = 0; y < frame.description().height; ++y) {
        frame.row(y)[column] ^= 1;
    }
}

void presentFrame(benchmark::State& state, Shown shown, Change change) {
    const InMemoryGame game;
    std::string error;
    const std::unique_ptr<platform::SdlWindow> window =
        platform::SdlWindow::createWithCursor("tilebounce bench", error);
    if (!window) {
        state.SkipWithError(error.c_str());
        return;
    }
    Display screen;
    const HRESULT opened = shown == Shown::FullScreen
                               ? screen.openFullScreen(window.get(), 640, 480, 16)
                               : screen.openWindowed(window.get(), 640, 480);
    if (FAILED(opened) || FAILED(screen.clear(0x7BEF))) {
        state.SkipWithError("the display could not be opened");
        return;
    }
    device::PixelSurface& frame = *screen.backBuffer;
    const platform::PictureView picture{frame.row(0), frame.description().width,
                                        frame.description().height, frame.description().pitch};
    for (auto _ : state) {
        if (change != Change::None) {
            changeEveryRow(frame, change);
        }
        const HRESULT result =
            shown == Shown::UploadOnly ? window->upload(picture) : screen.present();
        if (FAILED(result)) {
            state.SkipWithError("present failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(presentFrame, upload, Shown::UploadOnly, Change::RowStarts)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, uploadUnchanged, Shown::UploadOnly, Change::None)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, uploadRowEndsChanged, Shown::UploadOnly, Change::RowEnds)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, windowed, Shown::Windowed, Change::RowStarts)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, fullScreen, Shown::FullScreen, Change::RowStarts)
    ->Unit(benchmark::kMicrosecond);

// The scaling alone: a frame of 640 × 480 into the picture's share of a 1280 × 720 screen
// (960 × 720, 1.5 ×) and of a 1920 × 1080 one (1440 × 1080, 2.25 ×).
void scaleFrame(benchmark::State& state, platform::Scaling scaling) {
    const auto width = static_cast<std::uint32_t>(state.range(0));
    const auto height = width * 3 / 4;
    std::vector<std::uint16_t> frame(640 * 480);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        frame[i] = static_cast<std::uint16_t>(i * 2654435761u >> 7);
    }
    std::vector<std::uint32_t> output(std::size_t{width} * height);
    platform::PictureScaler scaler;
    for (auto _ : state) {
        scaler.scale({frame.data(), 640, 480, 640 * 2}, scaling, width, height, output.data(),
                     width * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(scaleFrame, sharp, platform::Scaling::Sharp)
    ->Arg(640)
    ->Arg(960)
    ->Arg(1440)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaleFrame, nearest, platform::Scaling::Nearest)
    ->Arg(960)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

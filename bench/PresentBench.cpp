// present on the SDL presenter: the frame uploaded to the window's texture and shown, on
// whatever video driver the environment names (the dummy one by default). The pacing runs on a
// virtual clock, so only the upload and the showing are timed.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/QuietSeams.h"
#include "display/Display.h"
#include "platform/SdlWindow.h"

namespace {

void presentFrame(benchmark::State& state, bool fullScreen) {
    const QuietSeams seams;
    std::string error;
    const auto window = platform::SdlWindow::create("tilebounce bench", error);
    if (!window) {
        state.SkipWithError(error.c_str());
        return;
    }
    Display screen;
    const HRESULT opened = fullScreen ? screen.openFullScreen(window.get(), 640, 480, 16)
                                      : screen.openWindowed(window.get(), 640, 480);
    if (FAILED(opened) || FAILED(screen.clear(0x7BEF))) {
        state.SkipWithError("the display could not be opened");
        return;
    }
    for (auto _ : state) {
        if (FAILED(screen.present())) {
            state.SkipWithError("present failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(presentFrame, fullScreen, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, windowed, false)->Unit(benchmark::kMicrosecond);

}  // namespace

// present on the SDL presenter, on whatever video driver the environment names (the dummy one
// by default): the upload of a frame into the window's texture alone, and the whole present,
// in a 640 × 480 window and at full screen, where the renderer also scales it. The pacing runs
// on a virtual clock, so it costs nothing here.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "display/Display.h"
#include "harness/InstalledSeams.h"
#include "platform/SdlWindow.h"

namespace {

enum class Shown { UploadOnly, Windowed, FullScreen };

void presentFrame(benchmark::State& state, Shown shown) {
    const InMemoryGame game;
    std::string error;
    const std::unique_ptr<platform::SdlWindow> window =
        platform::SdlWindow::create("tilebounce bench", error);
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
    const device::PixelSurface& frame = *screen.backBuffer;
    const platform::PictureView picture{frame.row(0), frame.description().width,
                                        frame.description().height, frame.description().pitch};
    for (auto _ : state) {
        const HRESULT result =
            shown == Shown::UploadOnly ? window->upload(picture) : screen.present();
        if (FAILED(result)) {
            state.SkipWithError("present failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(presentFrame, upload, Shown::UploadOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, windowed, Shown::Windowed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(presentFrame, fullScreen, Shown::FullScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

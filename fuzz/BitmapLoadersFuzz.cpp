// Feeds any bytes to the bitmap loaders: from memory to the header checks, SDL's decoder behind
// them and both colour-table readers; as a file by path to the Display's three loaders. Only the
// sanitizers and the fuzzer judge: a crash, a leak, undefined behaviour or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "display/Display.h"
#include "display/device/BmpFile.h"
#include "display/spare/ColourTable.h"
#include "display/spare/DisplaySpare.h"
#include "display/spare/Palette.h"
#include "display/spare/SurfaceSpare.h"
#include "platform/sdl/HeadlessWindow.h"

namespace {

// The file each input is written to, removed when the fuzzer ends.
struct ScratchPath {
    ScratchPath()
        : path((std::filesystem::temp_directory_path() /
                ("tb_fuzz_bitmap_" + std::to_string(::getpid()) + ".bmp"))
                   .string()) {}
    ~ScratchPath() { std::filesystem::remove(path); }

    std::string path;
};

struct Loaders {
    Loaders() { screen.openFullScreen(&window, 64, 48, 16); }

    platform::HeadlessWindow window{64, 48};
    Display screen;
    ScratchPath scratch;
};

Loaders& loaders() {
    static Loaders made;
    return made;
}

void loadFromMemory(std::span<const std::uint8_t> bytes) {
    const auto file = device::BmpFile::check(bytes);
    if (!file) {
        return;
    }
    device::builtInColourTable(*file);
    device::fileColourTable(*file);
    // The present is paced by the default virtual clock, so it never sleeps.
    presentBitmap(loaders().screen, device::Bitmap::decode(*file, 0, 0).get(), nullptr);
    device::Bitmap::decode(*file, 5, 3);
}

void loadFromFile(std::span<const std::uint8_t> bytes) {
    Loaders& the = loaders();
    std::ofstream(the.scratch.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    const char* path = the.scratch.path.c_str();

    Surface* made = nullptr;
    the.screen.newBitmapSurface(&made, path, 0, 0);
    delete made;
    Surface* target = nullptr;
    if (SUCCEEDED(newBlankSurface(the.screen, &target, 7, 5))) {
        paintBitmapByName(*target, path, 0, 0);
        delete target;
    }
    device::Palette* palette = nullptr;
    loadPalette(the.screen, &palette, path);
    device::releaseHeld(palette);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    loadFromMemory(bytes);
    loadFromFile(bytes);
    return 0;
}

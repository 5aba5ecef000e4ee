#include "platform/sdl/WindowIcon.h"

#include <SDL.h>

#include <cstdint>
#include <span>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {
namespace {

constexpr std::size_t InfoHeaderBytes = 40;

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// An icon image: its header, its palette, its colour rows and its mask rows (a set bit is a
// see-through pixel), each bottom-up. Paletted images only, as the program's icon is.
SDL_Surface* iconSurface(std::span<const std::uint8_t> image) {
    if (image.size() < InfoHeaderBytes) {
        return nullptr;
    }
    const auto width = static_cast<int>(littleEndian(image, 4, 4));
    const auto height = static_cast<int>(littleEndian(image, 8, 4)) / 2;
    const auto bits = static_cast<int>(littleEndian(image, 14, 2));
    if (width <= 0 || width > 256 || height <= 0 || height > 256 ||
        (bits != 1 && bits != 4 && bits != 8)) {
        return nullptr;
    }
    const std::size_t palette = InfoHeaderBytes;
    const std::size_t colours = palette + (std::size_t{1} << bits) * 4;
    const auto colourPitch = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    const auto maskPitch = static_cast<std::size_t>((width + 31) / 32 * 4);
    const std::size_t mask = colours + colourPitch * static_cast<std::size_t>(height);
    if (image.size() < mask + maskPitch * static_cast<std::size_t>(height)) {
        return nullptr;
    }
    SDL_Surface* icon =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        const auto row = static_cast<std::size_t>(height - 1 - y);
        auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(icon->pixels) + y * icon->pitch);
        for (int x = 0; x < width; ++x) {
            const auto bit = static_cast<std::size_t>(x * bits);
            const std::uint8_t byte = image[colours + row * colourPitch + bit / 8];
            const int index = (byte >> (8 - bits - static_cast<int>(bit % 8))) & ((1 << bits) - 1);
            const std::size_t entry = palette + static_cast<std::size_t>(index) * 4;
            const bool seeThrough =
                (image[mask + row * maskPitch + static_cast<std::size_t>(x) / 8] >> (7 - x % 8)) &
                1;
            out[x] = (seeThrough ? 0u : 0xFF000000u) | std::uint32_t{image[entry + 2]} << 16 |
                     std::uint32_t{image[entry + 1]} << 8 | image[entry];
        }
    }
    return icon;
}

}  // namespace

bool setWindowIcon(SdlWindow& window) {
    SDL_Surface* icon = iconSurface(findResource(ResourceKind::Icon, resource::IconImage));
    if (icon == nullptr) {
        return false;
    }
    SDL_SetWindowIcon(window.sdlWindow(), icon);
    SDL_FreeSurface(icon);
    return true;
}

}  // namespace platform

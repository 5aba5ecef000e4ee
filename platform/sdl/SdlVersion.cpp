#include "platform/sdl/SdlVersion.h"

#include <SDL.h>

namespace platform {
namespace {

std::string dotted(const SDL_version& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.patch);
}

}  // namespace

std::string sdlVersions() {
    SDL_version built;
    SDL_VERSION(&built);
    SDL_version running;
    SDL_GetVersion(&running);
    return "SDL " + dotted(running) + " (built with " + dotted(built) + ")";
}

}  // namespace platform

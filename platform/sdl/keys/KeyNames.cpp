#include "platform/sdl/keys/KeyNames.h"

#include <SDL.h>

namespace platform {

int scancodeNamed(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    return SDL_GetScancodeFromName(std::string(name).c_str());
}

std::string canonicalKeyName(std::string_view name) {
    return keyNameOf(scancodeNamed(name));
}

std::string keyNameOf(int scancode) {
    if (scancode <= 0 || scancode >= SDL_NUM_SCANCODES) {
        return "";
    }
    return SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
}

}  // namespace platform

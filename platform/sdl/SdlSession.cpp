#include "platform/sdl/SdlSession.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>

#include "platform/sdl/LostDisplay.h"

namespace platform {
namespace {

// SDL would fall back on drivers that show nothing (offscreen, dummy); a player without a
// display is told so instead. A driver asked for by name (SDL_VIDEODRIVER) is used as asked.
std::string displayDrivers() {
    std::string list;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string name = SDL_GetVideoDriver(i);
        const bool showsNothing = name == "offscreen" || name == "dummy" || name == "evdev";
        // Wayland's client library complains on stderr when it has no place to look.
        const bool waylandCannotConnect =
            name == "wayland" && std::getenv("XDG_RUNTIME_DIR") == nullptr;
        if (!showsNothing && !waylandCannotConnect) {
            list += (list.empty() ? "" : ",") + name;
        }
    }
    return list;
}

std::string displaySetting() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr ? std::string("DISPLAY=") + display : "DISPLAY not set";
}

// X11 reads a window's class (WM_CLASS) from the environment when video starts; Windows takes it
// when SDL registers the class its windows are made from.
void nameWindowClass(const char* windowClass) {
#ifdef _WIN32
    SDL_RegisterApp(windowClass, 0, nullptr);
#else
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", windowClass, 1);
#endif
}

void quitSdl() {
    SDL_Quit();
#ifdef _WIN32
    SDL_UnregisterApp();  // the class registered by name, if it was; else nothing
#endif
}

}  // namespace

SdlSession::SdlSession(const char* windowClass) {
    if (windowClass != nullptr) {
        nameWindowClass(windowClass);
    }
    if (std::getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, displayDrivers().c_str());
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        failure_ = "cannot open a display (" + displaySetting() + "): " + SDL_GetError();
    } else if (TTF_Init() != 0) {
        failure_ = std::string("cannot start text rendering: ") + TTF_GetError();
    } else {
        endPromptlyOnLostDisplay(displaySetting());
    }
    if (!started()) {
        quitSdl();  // whatever part did start
    }
}

SdlSession::~SdlSession() {
    if (started()) {
        TTF_Quit();
        quitSdl();
    }
}

}  // namespace platform

#include <SDL.h>

#include "platform/sdl/Monitors.h"

namespace platform {

std::vector<RECT> usableMonitorAreas() {
    std::vector<RECT> areas;
#ifndef __EMSCRIPTEN__  // a tab's "display" is the page's viewport, which scales the canvas itself
    const int screens = SDL_GetNumVideoDisplays();
    for (int i = 0; i < screens; ++i) {
        SDL_Rect area{};
        if (SDL_GetDisplayUsableBounds(i, &area) == 0 && area.w > 0 && area.h > 0) {
            areas.push_back({area.x, area.y, area.x + area.w, area.y + area.h});
        }
    }
#endif
    return areas;
}

}  // namespace platform

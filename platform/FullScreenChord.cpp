#include "platform/FullScreenChord.h"

#include <SDL.h>

namespace platform {

FullScreenChord::Verdict FullScreenChord::judge(int scancode, bool down, bool repeat,
                                                bool altHeld) {
    if (scancode != SDL_SCANCODE_RETURN && scancode != SDL_SCANCODE_KP_ENTER) {
        return Verdict::Pass;
    }
    bool& hiding = hiding_[scancode == SDL_SCANCODE_RETURN ? 0 : 1];
    if (!down) {
        const bool wasHiding = hiding;
        hiding = false;
        return wasHiding ? Verdict::Hide : Verdict::Pass;
    }
    if (hiding) {
        return Verdict::Hide;
    }
    // An Enter already held when Alt went down stays the game's; only a fresh press chords.
    if (altHeld && !repeat) {
        hiding = true;
        return Verdict::HideAndToggle;
    }
    return Verdict::Pass;
}

}  // namespace platform

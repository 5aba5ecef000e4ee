#include "platform/sdl/keys/KeyTranslation.h"

#include <SDL.h>

#include "platform/sdl/keys/VirtualKeys.h"

namespace platform {

TranslatedKey KeyTranslator::translate(int scancode, bool down, bool repeat, bool altHeld) {
    const Chord chord = judge(scancode, down, repeat, altHeld);
    if (chord != Chord::Pass) {
        return {.toggleFullScreen = chord == Chord::HideAndToggle};
    }
    if (const PlayerAction action = playerActionOf(scancode); action != PlayerAction::None) {
        const bool steps = action == PlayerAction::VolumeDown || action == PlayerAction::VolumeUp;
        return {.playerAction = down && (!repeat || steps) ? action : PlayerAction::None};
    }
    const int virtualKey = virtualKeyOf(scancode);
    return {.virtualKey = virtualKey, .bothSidesKey = bothSidesKeyOf(virtualKey)};
}

KeyTranslator::Chord KeyTranslator::judge(int scancode, bool down, bool repeat, bool altHeld) {
    if (scancode != SDL_SCANCODE_RETURN && scancode != SDL_SCANCODE_KP_ENTER) {
        return Chord::Pass;
    }
    bool& hiding = hiding_[scancode == SDL_SCANCODE_RETURN ? 0 : 1];
    if (!down) {
        const bool wasHiding = hiding;
        hiding = false;
        return wasHiding ? Chord::Hide : Chord::Pass;
    }
    if (hiding) {
        return Chord::Hide;
    }
    // An Enter already held when Alt went down stays the game's; only a fresh press chords.
    if (altHeld && !repeat) {
        hiding = true;
        return Chord::HideAndToggle;
    }
    return Chord::Pass;
}

}  // namespace platform

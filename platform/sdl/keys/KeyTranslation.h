#pragma once
// The one translation of SDL's key events, shared by the key state and the window's messages:
// the scancode's virtual-key code, and the Alt+Enter chord. Alt+Enter belongs to the window,
// which toggles full screen with it: the chord's Enter is kept from the game, from its press
// through to its release. The player's keys (pause, help, volume) are kept from the game too.
#include <array>

#include "platform/sdl/keys/PlayerKeys.h"

namespace platform {

// One key event as the game's side sees it.
struct TranslatedKey {
    int virtualKey = 0;             // 0 when the key has no code or is the chord's Enter
    int bothSidesKey = 0;           // for a one-sided modifier the code of both sides, else 0
    bool toggleFullScreen = false;  // the press that makes the chord: toggle once
    // The player's key pressed (a volume key also as it repeats); None on its release.
    PlayerAction playerAction = PlayerAction::None;
};

// Each reader of the key events keeps one: it must see every event, in order, to follow the
// chord, and the key state and the window's messages see them at different moments.
class KeyTranslator {
  public:
    // `altHeld`: an Alt key was down when the event happened.
    TranslatedKey translate(int scancode, bool down, bool repeat, bool altHeld);

  private:
    enum class Chord { Pass, Hide, HideAndToggle };
    Chord judge(int scancode, bool down, bool repeat, bool altHeld);

    // The main Enter and the keypad Enter, each while its chord lasts.
    std::array<bool, 2> hiding_{};
};

}  // namespace platform

#pragma once
// Alt+Enter belongs to the window, which toggles full screen with it: the chord's Enter is kept
// from the game, from its press through to its release.
#include <array>

namespace platform {

class FullScreenChord {
  public:
    enum class Verdict {
        Pass,          // an ordinary key event
        Hide,          // part of a chord already begun
        HideAndToggle  // the press that makes the chord: toggle full screen once
    };

    // Judges one SDL key event. `altHeld`: an Alt key was down when the event happened.
    Verdict judge(int scancode, bool down, bool repeat, bool altHeld);

  private:
    // The main Enter and the keypad Enter, each while its chord lasts.
    std::array<bool, 2> hiding_{};
};

}  // namespace platform

#pragma once
// When the connection to the X server breaks (the server was killed or ended), the program
// prints one line naming the display on stderr and ends at once with status 1. Xlib's own
// answer is exit(), whose static destructors still talk to the dead server and can spin for
// good; this ends without running them. Nothing happens when SDL does not use X11.
#include <string>

namespace platform {

// To be called once SDL's video has started, so that SDL's copy of Xlib is the one hooked.
// The display is named as given (e.g. "DISPLAY=:0").
void endPromptlyOnLostDisplay(const std::string& display);

}  // namespace platform

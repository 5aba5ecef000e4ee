#pragma once
// The program's start and end around the game. Making a StartUp brings up, in this order, the
// one Display (empty) and the one Keyboard, whose constructor polls every key once; the game
// runs next. Leaving it gives the desktop back as it was: the display lets the screen go
// before the windows it drew into are destroyed.
#include <optional>

#include "shell/Keyboard.h"

class StartUp {
  public:
    StartUp();
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

  private:
    std::optional<Keyboard> keyboard_;
};

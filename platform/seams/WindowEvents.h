#pragma once
// The window-events seam: the messages that reach the game's window, in the Win32 numbering
// (winapi/WindowMessages.h).
#include <cstdint>
#include <deque>

#include "winapi/WindowMessages.h"

namespace platform {

struct WindowMessage {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    // Takes the next waiting message; false, without blocking, when none waits.
    virtual bool nextMessage(WindowMessage& out) = 0;
};

// Messages queued by hand.
class ScriptedWindowEvents : public WindowEvents {
  public:
    bool nextMessage(WindowMessage& out) override;
    void post(WindowMessage message) { queue_.push_back(message); }

  private:
    std::deque<WindowMessage> queue_;
};

WindowEvents& windowEvents();
void installWindowEvents(WindowEvents& events);

}  // namespace platform

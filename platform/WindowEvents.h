#pragma once
// The window-events seam: the messages that reach the game's window, in the Win32 numbering.
#include <cstdint>
#include <deque>

namespace platform {

constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;  // a key pressed while Alt is held, or F10
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;

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

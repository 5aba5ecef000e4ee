#pragma once
// The window's messages over SDL: keys, mouse and closing, as the window procedure receives them.
#include <cstdint>
#include <deque>

#include "platform/sdl/keys/KeyTranslation.h"
#include "platform/seams/WindowEvents.h"

union SDL_Event;
struct SDL_KeyboardEvent;

namespace platform {

class SdlWindowEvents : public WindowEvents {
  public:
    // Drains SDL's queue until an event gives a message; never blocks. Closing the window (or
    // Alt+F4, or the program being asked to quit) gives WM_DESTROY and then WM_QUIT, once.
    bool nextMessage(WindowMessage& out) override;

    // Takes in every event SDL holds, their messages kept for nextMessage: while the game is held
    // and does not pump, SDL's queue is emptied all the same, so that waiting on it rests.
    void takeInWaiting();
    // The window has been closed; its messages may still be waiting.
    bool closed() const { return closed_; }

  private:
    void translate(const SDL_Event& event);
    void translateKey(const SDL_KeyboardEvent& key);
    void close();
    void post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    std::deque<WindowMessage> pending_;
    KeyTranslator keys_;
    bool closed_ = false;
};

}  // namespace platform

#include "platform/sdl/SdlWindowEvents.h"

#include <SDL.h>

#include "winapi/VirtualKeyCodes.h"

namespace platform {
namespace {

// MAKELPARAM(x, y): two 16-bit words, so a negative coordinate comes back by sign extension. Only
// the mouse's moves carry it: the window procedure records where the mouse is, and nothing reads
// a key's or a button's lParam, which stay 0.
std::intptr_t pointParam(int x, int y) {
    const auto low = static_cast<std::uint16_t>(x);
    const auto high = static_cast<std::uint16_t>(y);
    return static_cast<std::intptr_t>(std::uint32_t{low} | (std::uint32_t{high} << 16));
}

}  // namespace

bool SdlWindowEvents::nextMessage(WindowMessage& out) {
    SDL_Event event;
    while (pending_.empty() && SDL_PollEvent(&event) != 0) {
        translate(event);
    }
    if (pending_.empty()) {
        return false;
    }
    out = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlWindowEvents::takeInWaiting() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        translate(event);
    }
}

void SdlWindowEvents::translate(const SDL_Event& event) {
    if (closed_) {
        return;  // the window is gone: nothing reaches it any more
    }
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            translateKey(event.key);
            break;
        case SDL_MOUSEMOTION:
            post(WM_MOUSEMOVE, 0, pointParam(event.motion.x, event.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.button == SDL_BUTTON_LEFT) {
                post(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, 0);
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                post(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, 0);
            }
            break;
        }
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                close();
            }
            break;
        case SDL_QUIT:
            close();
            break;
        default:
            break;
    }
}

void SdlWindowEvents::translateKey(const SDL_KeyboardEvent& key) {
    const bool down = key.type == SDL_KEYDOWN;
    const bool repeat = key.repeat != 0;
    const bool altHeld = (key.keysym.mod & KMOD_ALT) != 0;
    const TranslatedKey translated = keys_.translate(key.keysym.scancode, down, repeat, altHeld);
    if (translated.virtualKey == 0) {
        return;
    }
    // Messages name a modifier without its side, as VK_SHIFT rather than VK_LSHIFT.
    const int messageKey =
        translated.bothSidesKey != 0 ? translated.bothSidesKey : translated.virtualKey;
    const bool system = altHeld || messageKey == VK_MENU || messageKey == VK_F10;
    const std::uint32_t message =
        system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    post(message, static_cast<std::uintptr_t>(messageKey), 0);
    // The system's own answer to Alt+F4 is to close the window.
    if (down && !repeat && altHeld && messageKey == VK_F4) {
        close();
    }
}

void SdlWindowEvents::close() {
    closed_ = true;
    post(WM_DESTROY, 0, 0);
    post(WM_QUIT, 0, 0);
}

void SdlWindowEvents::post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    pending_.push_back(WindowMessage{message, wParam, lParam});
}

}  // namespace platform

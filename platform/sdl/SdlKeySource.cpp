#include "platform/sdl/SdlKeySource.h"

#include <utility>

#include <SDL.h>

namespace platform {

SdlKeySource::SdlKeySource() {
    SDL_AddEventWatch(&SdlKeySource::watch, this);
    gamepads_.start();  // after the watch, which takes in the gamepads already plugged in
}

SdlKeySource::~SdlKeySource() {
    SDL_DelEventWatch(&SdlKeySource::watch, this);
}

// Runs as SDL queues each event, so presses are latched even when nobody drains the queue in time.
int SdlKeySource::watch(void* self, SDL_Event* event) {
    auto& source = *static_cast<SdlKeySource*>(self);
    source.gamepads_.handle(*event);
    if (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP) {
        const SDL_KeyboardEvent& key = event->key;
        source.keyChanged(key.keysym.scancode, key.type == SDL_KEYDOWN, key.repeat != 0,
                          (key.keysym.mod & KMOD_ALT) != 0);
    } else if (event->type == SDL_WINDOWEVENT) {
        source.focusChanged(event->window.event);
    }
    return 0;
}

void SdlKeySource::focusChanged(std::uint8_t windowEvent) {
    if (windowEvent == SDL_WINDOWEVENT_FOCUS_GAINED) {
        focused_ = true;
    } else if ((windowEvent == SDL_WINDOWEVENT_FOCUS_LOST ||
                windowEvent == SDL_WINDOWEVENT_MINIMIZED ||
                windowEvent == SDL_WINDOWEVENT_HIDDEN) &&
               focused_) {
        focused_ = false;
        act(PlayerAction::FocusLost);
    }
}

void SdlKeySource::act(PlayerAction action) {
    waiting_.push_back({.action = action});
}

void SdlKeySource::keyChanged(int scancode, bool down, bool repeat, bool altHeld) {
    const TranslatedKey key = keys_.translate(scancode, down, repeat, altHeld);
    if (key.toggleFullScreen) {
        ++pendingToggles_;
    }
    if (key.playerAction != PlayerAction::None) {
        act(key.playerAction);
    }
    if (key.virtualKey == 0) {
        return;
    }
    // Only changes count: repeats and a release never pressed here leave the tables as they are.
    bool& wasDown = scancodeDown_[static_cast<std::size_t>(scancode)];
    if (wasDown == down) {
        return;
    }
    wasDown = down;
    count(key.virtualKey, down);
    if (key.bothSidesKey != 0) {
        count(key.bothSidesKey, down);
    }
}

void SdlKeySource::count(int virtualKey, bool down) {
    const auto vk = static_cast<std::size_t>(virtualKey);
    if (down) {
        ++downCount_[vk];
        latch(virtualKey);
    } else {
        --downCount_[vk];
    }
}

void SdlKeySource::latch(int virtualKey) {
    if (waiting_.empty()) {
        keep(virtualKey);
    } else {
        waiting_.push_back({.pressedKey = virtualKey});
    }
}

void SdlKeySource::keep(int virtualKey) {
    if (!held()) {
        pressedSincePoll_[static_cast<std::size_t>(virtualKey)] = true;
    }
}

void SdlKeySource::carryOutPlayerActions() {
    for (; pendingToggles_ > 0; --pendingToggles_) {
        if (toggle_) {
            toggle_();
        }
    }
    // Taken out first: what an action does may take in events, which wait for the next time.
    for (const Waiting& waiting : std::exchange(waiting_, {})) {
        if (waiting.action != PlayerAction::None) {
            if (act_) {
                act_(waiting.action);
            }
        } else {
            keep(waiting.pressedKey);
        }
    }
}

void SdlKeySource::poll(KeyReport& reported) {
    SDL_PumpEvents();
    carryOutPlayerActions();
    for (std::size_t vk = 0; vk < reported.size(); ++vk) {
        reported[vk] = downCount_[vk] > 0 || pressedSincePoll_[vk];
        tapped_[vk] = downCount_[vk] == 0 && pressedSincePoll_[vk];
    }
    pressedSincePoll_ = {};
}

}  // namespace platform

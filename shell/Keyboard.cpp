#include "shell/Keyboard.h"

#include <algorithm>
#include <cstring>

#include "platform/seams/KeySource.h"

Keyboard* keyboard = nullptr;

Keyboard::Keyboard() {
    update();
}

void Keyboard::update() {
    // Not cleared first: the source sets every entry, and a clear costs more than the rest of
    // the poll.
    platform::KeyReport reported;
    platform::keySource().poll(reported);
    // Up (0), newly pressed (1) or held (2): down, plus one where it was down before. The loop
    // runs every substep: read as bytes and computed without a branch, it becomes a few vector
    // operations.
    std::array<std::uint8_t, Keyboard::KeyCount> down;
    std::memcpy(down.data(), reported.data(), down.size());
    for (std::size_t vk = 0; vk < keyState.size(); ++vk) {
        const std::uint8_t wasDown = std::min<std::uint8_t>(keyState[vk], 1);
        keyState[vk] = static_cast<std::uint8_t>(down[vk] + (down[vk] & wasDown));
    }
}

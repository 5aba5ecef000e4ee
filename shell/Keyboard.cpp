#include "shell/Keyboard.h"

#include <cstring>

#include "platform/KeySource.h"

Keyboard* keyboard = nullptr;

Keyboard::Keyboard() {
    update();
}

void Keyboard::update() {
    // Cleared eight bytes at a time: the one string instruction the compiler makes of `{}`
    // costs more than the rest of the poll.
    platform::KeyReport reported;
    for (std::size_t at = 0; at < reported.size(); at += sizeof(std::uint64_t)) {
        std::memset(reported.data() + at, 0, sizeof(std::uint64_t));
    }
    platform::keySource().poll(reported);
    // Up (0), newly pressed (1) or held (2). The loop runs every substep: read as bytes and
    // computed without a branch, it becomes a few vector operations.
    std::array<std::uint8_t, Keyboard::KeyCount> down{};
    std::memcpy(down.data(), reported.data(), down.size());
    for (std::size_t vk = 0; vk < keyState.size(); ++vk) {
        keyState[vk] = static_cast<std::uint8_t>((down[vk] != 0) * (1 + (keyState[vk] != 0)));
    }
}

int Keyboard::isDown(int vk) const {
    return stateOf(vk) != 0 ? 1 : 0;
}

std::uint32_t Keyboard::stateOf(int vk) const {
    if (vk < 0 || vk >= KeyCount) {
        return 0;
    }
    return keyState[static_cast<std::size_t>(vk)];
}

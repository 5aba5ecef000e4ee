#include "shell/Keyboard.h"

#include <cstring>

#include "platform/seams/KeySource.h"

Keyboard* keyboard = nullptr;

Keyboard::Keyboard() {
    update();
}

void Keyboard::update() {
    platform::KeyReport reported{};
    platform::keySource().poll(reported);
    // Up (0), newly pressed (1) or held (2). The loop runs every substep: read as bytes and
    // computed without a branch, it becomes a few vector operations.
    std::array<std::uint8_t, Keyboard::KeyCount> down{};
    std::memcpy(down.data(), reported.data(), down.size());
    for (std::size_t vk = 0; vk < keyState.size(); ++vk) {
        keyState[vk] = static_cast<std::uint32_t>(down[vk] != 0) *
                       (1 + static_cast<std::uint32_t>(keyState[vk] != 0));
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

#include "shell/Keyboard.h"

#include "platform/KeySource.h"

Keyboard* keyboard = nullptr;

Keyboard::Keyboard() {
    update();
}

void Keyboard::update() {
    platform::KeyReport reported{};
    platform::keySource().poll(reported);
    for (std::size_t vk = 0; vk < keyState.size(); ++vk) {
        if (!reported[vk]) {
            keyState[vk] = 0;
        } else {
            keyState[vk] = keyState[vk] != 0 ? 2 : 1;
        }
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

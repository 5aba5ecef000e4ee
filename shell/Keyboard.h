#pragma once
// The polled keyboard: per virtual-key code, up (0), newly pressed (1) or held (2).
#include <array>
#include <cstdint>

class Keyboard {
  public:
    static constexpr int KeyCount = 256;

    // Polls once, so a key already down reads as pressed straight away.
    Keyboard();

    // Polls every key once through the key-state seam.
    void update();

    // 1 when the key counted as down (pressed or held) at the last poll, else 0; 0 for a code
    // outside 0..255. Inline: a substep of play asks several times.
    int isDown(int vk) const { return stateOf(vk) != 0 ? 1 : 0; }

    // The stored 0/1/2 value; 0 for a code outside 0..255.
    std::uint32_t stateOf(int vk) const {
        if (vk < 0 || vk >= KeyCount) {
            return 0;
        }
        return keyState[static_cast<std::size_t>(vk)];
    }

  private:
    // Bytes, so that the solver's snapshots of the game copy a quarter as much.
    std::array<std::uint8_t, KeyCount> keyState{};
};

// The program's one Keyboard; null until start-up makes it.
extern Keyboard* keyboard;

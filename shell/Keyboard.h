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
    // outside 0..255.
    int isDown(int vk) const;

    // The stored 0/1/2 value; 0 for a code outside 0..255.
    std::uint32_t stateOf(int vk) const;

  private:
    // Bytes, so that the solver's snapshots of the game copy a quarter as much.
    std::array<std::uint8_t, KeyCount> keyState{};
};

// The program's one Keyboard; null until start-up makes it.
extern Keyboard* keyboard;

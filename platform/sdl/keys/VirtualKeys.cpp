// One table from SDL scancodes to Win32 virtual-key codes, shared by key state and key messages.
#include "platform/sdl/keys/VirtualKeys.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <utility>

namespace platform {
namespace {

static_assert(ScancodeCount == SDL_NUM_SCANCODES);

using Table = std::array<std::uint8_t, ScancodeCount>;

// Fills `count` consecutive scancodes from `first` with consecutive codes from `firstCode`.
constexpr void fillRun(Table& table, int first, int count, int firstCode) {
    for (int i = 0; i < count; ++i) {
        table[static_cast<std::size_t>(first + i)] = static_cast<std::uint8_t>(firstCode + i);
    }
}

constexpr Table buildTable() {
    Table table{};
    fillRun(table, SDL_SCANCODE_A, 26, 'A');
    fillRun(table, SDL_SCANCODE_1, 9, '1');
    fillRun(table, SDL_SCANCODE_0, 1, '0');
    fillRun(table, SDL_SCANCODE_F1, 12, 0x70);
    fillRun(table, SDL_SCANCODE_F13, 12, 0x7C);
    fillRun(table, SDL_SCANCODE_KP_1, 9, 0x61);
    fillRun(table, SDL_SCANCODE_KP_0, 1, 0x60);
    constexpr std::pair<SDL_Scancode, std::uint8_t> named[] = {
        {SDL_SCANCODE_BACKSPACE, 0x08},   {SDL_SCANCODE_TAB, 0x09},
        {SDL_SCANCODE_RETURN, 0x0D},      {SDL_SCANCODE_KP_ENTER, 0x0D},
        {SDL_SCANCODE_PAUSE, 0x13},       {SDL_SCANCODE_CAPSLOCK, 0x14},
        {SDL_SCANCODE_ESCAPE, 0x1B},      {SDL_SCANCODE_SPACE, 0x20},
        {SDL_SCANCODE_PAGEUP, 0x21},      {SDL_SCANCODE_PAGEDOWN, 0x22},
        {SDL_SCANCODE_END, 0x23},         {SDL_SCANCODE_HOME, 0x24},
        {SDL_SCANCODE_LEFT, 0x25},        {SDL_SCANCODE_UP, 0x26},
        {SDL_SCANCODE_RIGHT, 0x27},       {SDL_SCANCODE_DOWN, 0x28},
        {SDL_SCANCODE_PRINTSCREEN, 0x2C}, {SDL_SCANCODE_INSERT, 0x2D},
        {SDL_SCANCODE_DELETE, 0x2E},      {SDL_SCANCODE_LGUI, 0x5B},
        {SDL_SCANCODE_RGUI, 0x5C},        {SDL_SCANCODE_APPLICATION, 0x5D},
        {SDL_SCANCODE_KP_MULTIPLY, 0x6A}, {SDL_SCANCODE_KP_PLUS, 0x6B},
        {SDL_SCANCODE_KP_MINUS, 0x6D},    {SDL_SCANCODE_KP_PERIOD, 0x6E},
        {SDL_SCANCODE_KP_DIVIDE, 0x6F},   {SDL_SCANCODE_NUMLOCKCLEAR, 0x90},
        {SDL_SCANCODE_SCROLLLOCK, 0x91},  {SDL_SCANCODE_LSHIFT, 0xA0},
        {SDL_SCANCODE_RSHIFT, 0xA1},      {SDL_SCANCODE_LCTRL, 0xA2},
        {SDL_SCANCODE_RCTRL, 0xA3},       {SDL_SCANCODE_LALT, 0xA4},
        {SDL_SCANCODE_RALT, 0xA5},        {SDL_SCANCODE_SEMICOLON, 0xBA},
        {SDL_SCANCODE_EQUALS, 0xBB},      {SDL_SCANCODE_COMMA, 0xBC},
        {SDL_SCANCODE_MINUS, 0xBD},       {SDL_SCANCODE_PERIOD, 0xBE},
        {SDL_SCANCODE_SLASH, 0xBF},       {SDL_SCANCODE_GRAVE, 0xC0},
        {SDL_SCANCODE_LEFTBRACKET, 0xDB}, {SDL_SCANCODE_BACKSLASH, 0xDC},
        {SDL_SCANCODE_NONUSHASH, 0xDC},   {SDL_SCANCODE_RIGHTBRACKET, 0xDD},
        {SDL_SCANCODE_APOSTROPHE, 0xDE},  {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
    };
    for (const auto& [scancode, code] : named) {
        table[scancode] = code;
    }
    return table;
}

constexpr Table VirtualKeys = buildTable();

// The player's bindings over the table: a scancode's code, or -1 where the table holds.
std::array<int, ScancodeCount> boundKeys = [] {
    std::array<int, ScancodeCount> none{};
    none.fill(-1);
    return none;
}();

}  // namespace

void bindKeys(const KeyBindings& bindings) {
    for (std::size_t scancode = 0; scancode < boundKeys.size(); ++scancode) {
        // A rebound code is no longer given by its own keys.
        boundKeys[scancode] = bindings.contains(VirtualKeys[scancode]) ? 0 : -1;
    }
    for (const auto& [virtualKey, scancodes] : bindings) {
        for (const int scancode : scancodes) {
            if (scancode > 0 && scancode < ScancodeCount) {
                boundKeys[static_cast<std::size_t>(scancode)] = virtualKey;
            }
        }
    }
}

int virtualKeyOf(int scancode) {
    if (scancode < 0 || scancode >= ScancodeCount) {
        return 0;
    }
    const auto at = static_cast<std::size_t>(scancode);
    return boundKeys[at] >= 0 ? boundKeys[at] : VirtualKeys[at];
}

int bothSidesKeyOf(int virtualKey) {
    // Left and right pairs run VK_LSHIFT, VK_RSHIFT, VK_LCONTROL ... as the sideless codes do.
    if (virtualKey < VK_LSHIFT || virtualKey > VK_RMENU) {
        return 0;
    }
    return VK_SHIFT + (virtualKey - VK_LSHIFT) / 2;
}

}  // namespace platform

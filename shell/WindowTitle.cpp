#include "shell/WindowTitle.h"

#include <array>
#include <cstdint>

namespace {

struct DoubleByte {
    std::uint16_t code;
    char32_t character;
};

// The window title's characters.
constexpr std::array<DoubleByte, 5> knownCharacters = {{
    {0xB0C5, U'\uAC70'},
    {0xB5A2, U'\uB369'},
    {0xB8F1, U'\uBAA9'},
    {0xBEF8, U'\uC5C6'},
    {0xC1A6, U'\uC81C'},
}};

constexpr char32_t Replacement = U'\uFFFD';

char32_t decodePair(std::uint8_t lead, std::uint8_t trail) {
    const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
    for (const DoubleByte& known : knownCharacters) {
        if (known.code == code) {
            return known.character;
        }
    }
    return Replacement;
}

// Every character here is ASCII or lies in U+0800..U+FFFF, three bytes in UTF-8.
void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else {
        out += static_cast<char>(0xE0 | character >> 12);
        out += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

}  // namespace

std::string cp949ToUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        if (lead < 0x80) {
            appendUtf8(out, lead);
        } else if (i + 1 < text.size()) {
            appendUtf8(out, decodePair(lead, static_cast<std::uint8_t>(text[++i])));
        } else {
            appendUtf8(out, Replacement);  // a lead byte cut off at the end
        }
    }
    return out;
}

#include "commandline/QuotedText.h"

std::string quotedForMessage(std::string_view text) {
    constexpr std::size_t Shown = 40;
    constexpr std::string_view Hex = "0123456789abcdef";
    std::string quoted;
    for (const char c : text) {
        if (quoted.size() >= Shown) {
            return quoted + "…";
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            quoted += c;
        } else {
            quoted += "\\x";
            quoted += Hex[byte >> 4];
            quoted += Hex[byte & 0xf];
        }
    }
    return quoted;
}

#include "platform/files/QuotedText.h"

namespace {

std::string escaped(std::string_view text, std::size_t shown) {
    constexpr std::string_view Hex = "0123456789abcdef";
    std::string quoted;
    for (const char c : text) {
        if (quoted.size() >= shown) {
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

}  // namespace

std::string quotedForMessage(std::string_view text) {
    return escaped(text, 40);
}

std::string quotedPath(std::string_view path) {
    return escaped(path, 300);
}

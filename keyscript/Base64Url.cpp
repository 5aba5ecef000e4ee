#include "keyscript/Base64Url.h"

namespace {

constexpr std::string_view Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int valueOf(char c) {
    const std::size_t at = Alphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string toBase64Url(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    std::uint32_t pending = 0;
    int pendingBits = 0;
    for (const std::uint8_t byte : bytes) {
        pending = pending << 8 | byte;
        pendingBits += 8;
        while (pendingBits >= 6) {
            pendingBits -= 6;
            text += Alphabet[pending >> pendingBits & 63u];
        }
    }
    if (pendingBits > 0) {
        text += Alphabet[pending << (6 - pendingBits) & 63u];
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> fromBase64Url(std::string_view text) {
    if (text.size() % 4 == 1) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 3 / 4);
    std::uint32_t pending = 0;
    int pendingBits = 0;
    for (const char c : text) {
        const int value = valueOf(c);
        if (value < 0) {
            return std::nullopt;
        }
        pending = (pending << 6 | static_cast<std::uint32_t>(value)) & 0xFFFu;
        pendingBits += 6;
        if (pendingBits >= 8) {
            pendingBits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(pending >> pendingBits));
        }
    }
    if ((pending & ((1u << pendingBits) - 1)) != 0) {
        return std::nullopt;
    }
    return bytes;
}

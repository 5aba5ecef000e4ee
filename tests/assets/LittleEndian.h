#pragma once
// Reading the little-endian fields of the stored files, refusing to read past their end.
#include <gtest/gtest.h>

#include <compare>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testing_assets {

inline std::uint32_t readLe(std::span<const std::uint8_t> bytes, std::size_t offset,
                            std::size_t width) {
    if (offset + width > bytes.size()) {
        throw std::out_of_range("field past the end of the file");
    }
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | bytes[offset + i];
    }
    return value;
}
inline std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return readLe(bytes, offset, 4);
}

// The fields at these (offset, width) pairs, to hold a whole header against what it must say.
inline std::vector<std::uint32_t> fields(
    std::span<const std::uint8_t> bytes,
    std::initializer_list<std::pair<std::size_t, std::size_t>> offsetsAndWidths) {
    std::vector<std::uint32_t> values;
    for (const auto& [offset, width] : offsetsAndWidths) {
        values.push_back(readLe(bytes, offset, width));
    }
    return values;
}

struct Colour {
    int r, g, b;
    friend auto operator<=>(const Colour&, const Colour&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Colour& c) {
        return out << '(' << c.r << ", " << c.g << ", " << c.b << ')';
    }
};

// An 8-bit bitmap file as the game's loader reads it, checked on the way in.
class Bitmap8 {
  public:
    explicit Bitmap8(std::span<const std::uint8_t> file) : file_(file) {
        if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
            throw std::invalid_argument("not a bitmap file");
        }
    }
    int width() const { return static_cast<int>(field(18, 4)); }
    int height() const { return static_cast<int>(field(22, 4)); }
    std::uint32_t field(std::size_t offset, std::size_t width) const {
        return readLe(file_, offset, width);
    }
    // Rows are stored bottom-up and padded to four bytes; y counts from the top as on screen.
    Colour pixel(int x, int y) const {
        const auto stride = (static_cast<std::size_t>(width()) + 3) / 4 * 4;
        const auto at = field(10, 4) + static_cast<std::size_t>(height() - 1 - y) * stride;
        const std::uint32_t bgr = field(54 + 4 * field(at + static_cast<std::size_t>(x), 1), 3);
        return {static_cast<int>(bgr >> 16), static_cast<int>(bgr >> 8 & 0xFF),
                static_cast<int>(bgr & 0xFF)};
    }

  private:
    std::span<const std::uint8_t> file_;
};

}  // namespace testing_assets

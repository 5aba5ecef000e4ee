#pragma once
// Reading the little-endian fields of the stored files, refusing to read past their end.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <stdexcept>

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
inline std::uint32_t u16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return readLe(bytes, offset, 2);
}
inline std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return readLe(bytes, offset, 4);
}

struct Colour {
    int r, g, b;
    friend bool operator==(const Colour&, const Colour&) = default;
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
        width_ = static_cast<int>(u32(file, 18));
        height_ = static_cast<int>(u32(file, 22));
        pixelOffset_ = u32(file, 10);
        stride_ = (static_cast<std::size_t>(width_) + 3) / 4 * 4;
    }
    int width() const { return width_; }
    int height() const { return height_; }
    std::span<const std::uint8_t> file() const { return file_; }
    std::uint32_t field(std::size_t offset, std::size_t width) const {
        return readLe(file_, offset, width);
    }
    // Rows are stored bottom-up; y counts from the top as on screen.
    Colour pixel(int x, int y) const {
        const std::size_t row = static_cast<std::size_t>(height_ - 1 - y);
        const std::uint32_t index =
            readLe(file_, pixelOffset_ + row * stride_ + static_cast<std::size_t>(x), 1);
        const std::uint32_t bgr = readLe(file_, 54 + 4u * index, 3);
        return {static_cast<int>(bgr >> 16), static_cast<int>(bgr >> 8 & 0xFF),
                static_cast<int>(bgr & 0xFF)};
    }

  private:
    std::span<const std::uint8_t> file_;
    int width_ = 0;
    int height_ = 0;
    std::size_t pixelOffset_ = 0;
    std::size_t stride_ = 0;
};

}  // namespace testing_assets

#pragma once
// .bmp files as every bitmap loader accepts them: read whole with a size cap, and their headers
// checked against the file before any decoder sees the bytes, so that a truncated, oversized or
// hostile file is refused instead of decoded.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace device {

// Far beyond any picture of the game; keeps a bad size from asking for gigabytes.
constexpr std::uint32_t MaxPictureSide = 16384;

// The name the bitmap loaders take: a built-in id or a file path, like a Win32 resource name.
// Id 0 and a null path name nothing.
class BitmapName {
  public:
    constexpr BitmapName() = default;
    constexpr BitmapName(int id) : id_(id) {}  // NOLINT: converts like MAKEINTRESOURCE
    constexpr BitmapName(const char* path) : path_(path) {}  // NOLINT: a path reads as a name

    constexpr bool isNull() const { return id_ == 0 && path_ == nullptr; }
    constexpr int id() const { return id_; }
    constexpr const char* path() const { return path_; }

  private:
    int id_ = 0;
    const char* path_ = nullptr;
};

// The header fields the loaders go on, once they have been found consistent with the file.
struct BmpHeader {
    std::uint32_t infoSize = 0;  // biSize: 12, 40, 52, 56, 108 or 124
    std::uint32_t width = 0;     // 1 to MaxPictureSide
    std::int32_t height = 0;     // as stored: negative for rows kept top-down
    std::uint16_t bitCount = 0;  // 1, 4, 8, 16, 24 or 32
    std::uint32_t colorsUsed = 0;
};

class BmpFile {
  public:
    static constexpr std::size_t MaxBytes = std::size_t{16} << 20;

    // The named bitmap: a built-in one's bytes, or those of the regular file at the path (at
    // most MaxBytes, read whole); nothing when it is absent, unreadable, too large or fails
    // the checks of `check`.
    static std::optional<BmpFile> load(const BitmapName& name);
    // Borrows the bytes (they must outlive the result) when they hold an uncompressed or
    // bit-field .bmp whose headers, colour table and rows all lie within them, of at most
    // MaxBytes, with sides from 1 to MaxPictureSide.
    static std::optional<BmpFile> check(std::span<const std::uint8_t> bytes);

    BmpFile(BmpFile&&) = default;
    BmpFile& operator=(BmpFile&&) = default;

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    const BmpHeader& header() const { return header_; }

  private:
    BmpFile(std::vector<std::uint8_t> owned, std::span<const std::uint8_t> bytes,
            const BmpHeader& header)
        : owned_(std::move(owned)), bytes_(bytes), header_(header) {}

    std::vector<std::uint8_t> owned_;      // a file's bytes; empty for a built-in bitmap
    std::span<const std::uint8_t> bytes_;  // into owned_ or the built-in resource
    BmpHeader header_;
};

// Little-endian fields of a byte span; the caller has checked that they lie within it.
std::uint16_t readLe16(std::span<const std::uint8_t> bytes, std::size_t at);
std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t at);

}  // namespace device

#include "display/device/BmpFile.h"

#include "assets/ResourceTable.h"
#include "platform/files/RegularFile.h"

namespace device {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreInfoSize = 12;  // the oldest header: 16-bit sides, 3-byte colours
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::uint32_t MaskBytes = 12;  // the three masks that follow a 40-byte header

bool isKnownInfoSize(std::uint32_t size) {
    switch (size) {
        case CoreInfoSize:
        case 40:
        case 52:
        case 56:
        case 108:
        case 124:
            return true;
        default:
            return false;
    }
}

bool isKnownFormat(std::uint16_t bitCount, std::uint32_t compression, bool core) {
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            return compression == BiRgb;
        case 16:
        case 32:
            return !core && (compression == BiRgb || compression == BiBitfields);
        default:
            return false;
    }
}

// The colour table a decoder reads: the colours in use, or all 2^bitCount when that count is 0
// or claims more.
std::uint64_t colourTableBytes(const BmpHeader& header, bool core) {
    if (header.bitCount > 8) {
        return 0;
    }
    const std::uint32_t all = 1u << header.bitCount;
    const std::uint32_t used =
        header.colorsUsed == 0 || header.colorsUsed > all ? all : header.colorsUsed;
    return std::uint64_t{used} * (core ? 3 : 4);
}

std::optional<BmpHeader> checkedHeader(std::span<const std::uint8_t> file) {
    if (file.size() > BmpFile::MaxBytes || file.size() < FileHeaderSize + CoreInfoSize ||
        file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    BmpHeader header;
    header.infoSize = readLe32(file, 14);
    if (!isKnownInfoSize(header.infoSize) || file.size() < FileHeaderSize + header.infoSize) {
        return std::nullopt;
    }
    const bool core = header.infoSize == CoreInfoSize;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint32_t compression = BiRgb;
    if (core) {
        width = readLe16(file, 18);
        height = readLe16(file, 20);
        planes = readLe16(file, 22);
        header.bitCount = readLe16(file, 24);
    } else {
        width = static_cast<std::int32_t>(readLe32(file, 18));
        height = static_cast<std::int32_t>(readLe32(file, 22));
        planes = readLe16(file, 26);
        header.bitCount = readLe16(file, 28);
        compression = readLe32(file, 30);
        header.colorsUsed = readLe32(file, 46);
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (planes != 1 || width < 1 || width > MaxPictureSide || rows < 1 || rows > MaxPictureSide ||
        !isKnownFormat(header.bitCount, compression, core)) {
        return std::nullopt;
    }
    header.width = static_cast<std::uint32_t>(width);
    header.height = static_cast<std::int32_t>(height);

    // Headers, masks and colour table come before the rows, and every row lies in the file.
    const bool masksFollow = compression == BiBitfields && header.infoSize == 40;
    const std::uint64_t layoutEnd = FileHeaderSize + header.infoSize +
                                    (masksFollow ? MaskBytes : 0) + colourTableBytes(header, core);
    const std::uint64_t pixelOffset = readLe32(file, 10);
    const std::uint64_t rowBytes = (std::uint64_t{header.width} * header.bitCount + 31) / 32 * 4;
    if (pixelOffset < layoutEnd || pixelOffset + rowBytes * std::uint64_t(rows) > file.size()) {
        return std::nullopt;
    }
    return header;
}

}  // namespace

std::optional<BmpFile> BmpFile::load(const BitmapName& name) {
    if (name.path() == nullptr) {
        return check(findResource(ResourceKind::Bitmap, name.id()));
    }
    std::string unread;  // the loaders' callers say only that the bitmap failed
    auto content = platform::readRegularFile(name.path(), MaxBytes, unread);
    if (!content) {
        return std::nullopt;
    }
    const auto header = checkedHeader(*content);
    if (!header) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> bytes(*content);  // moving the vector keeps its buffer
    return BmpFile(std::move(*content), bytes, *header);
}

std::optional<BmpFile> BmpFile::check(std::span<const std::uint8_t> bytes) {
    const auto header = checkedHeader(bytes);
    if (!header) {
        return std::nullopt;
    }
    return BmpFile({}, bytes, *header);
}

std::uint16_t readLe16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{readLe16(bytes, at)} | std::uint32_t{readLe16(bytes, at + 2)} << 16;
}

}  // namespace device

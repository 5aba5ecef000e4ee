#include "display/spare/ColourTable.h"

#include <algorithm>
#include <utility>

#include "display/device/BmpFile.h"

namespace device {
namespace {

constexpr std::size_t InfoOffset = 14;
constexpr std::uint32_t InfoSize = 40;
constexpr std::size_t EntryBytes = 4;

std::uint32_t colourCount(const BmpHeader& header, bool headerCounts) {
    if (!headerCounts || header.bitCount > 8) {
        return 0;
    }
    const std::uint32_t count = header.colorsUsed == 0 ? 1u << header.bitCount : header.colorsUsed;
    return std::min<std::uint32_t>(count, PaletteEntries().size());
}

}  // namespace

std::optional<ColourTable> builtInColourTable(const BmpFile& bitmap) {
    const BmpHeader& header = bitmap.header();
    const auto bytes = bitmap.bytes();
    ColourTable table;
    table.count = colourCount(header, header.infoSize >= InfoSize);
    const std::size_t start = InfoOffset + header.infoSize;
    if (start + table.count * EntryBytes > bytes.size()) {
        return std::nullopt;
    }
    for (std::uint32_t i = 0; i < table.count; ++i) {
        const std::size_t at = start + i * EntryBytes;
        table.entries[i] = {.peRed = bytes[at + 2], .peGreen = bytes[at + 1], .peBlue = bytes[at]};
    }
    return table;
}

std::optional<ColourTable> fileColourTable(const BmpFile& bitmap) {
    const auto bytes = bitmap.bytes();
    constexpr std::size_t start = InfoOffset + InfoSize;
    ColourTable table;
    if (bytes.size() < start + table.entries.size() * EntryBytes) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const std::size_t at = start + i * EntryBytes;
        table.entries[i] = {bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]};
    }
    table.count = colourCount(bitmap.header(), bitmap.header().infoSize == InfoSize);
    for (std::uint32_t i = 0; i < table.count; ++i) {
        std::swap(table.entries[i].peRed, table.entries[i].peBlue);
    }
    return table;
}

}  // namespace device

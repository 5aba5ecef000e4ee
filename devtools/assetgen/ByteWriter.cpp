#include "devtools/assetgen/ByteWriter.h"

namespace assetgen {

void ByteWriter::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xFF));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value & 0xFFFF));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::tag(const char (&fourCharacters)[5]) {
    for (int i = 0; i < 4; ++i) {
        u8(static_cast<std::uint8_t>(fourCharacters[i]));
    }
}

void ByteWriter::bytes(std::span<const std::uint8_t> values) {
    data_.insert(data_.end(), values.begin(), values.end());
}

}  // namespace assetgen

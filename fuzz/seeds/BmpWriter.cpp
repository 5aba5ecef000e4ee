#include "fuzz/seeds/BmpWriter.h"

#include <algorithm>
#include <cstdlib>

#include "devtools/assetgen/ByteWriter.h"

namespace bmpseeds {
namespace {

constexpr std::uint32_t CoreInfoSize = 12;
constexpr std::uint32_t Bitfields = 3;
constexpr std::uint32_t MaskBytes = 12;

std::uint32_t neededEntries(const BmpFields& fields) {
    if (fields.bitCount > 8) {
        return 0;
    }
    const std::uint32_t all = 1u << fields.bitCount;
    return fields.colorsUsed != 0 && fields.colorsUsed < all ? fields.colorsUsed : all;
}

std::uint32_t pictureBytes(const BmpFields& fields) {
    const std::uint64_t rowBytes =
        (std::uint64_t(std::abs(std::int64_t{fields.width})) * fields.bitCount + 31) / 32 * 4;
    return static_cast<std::uint32_t>(rowBytes *
                                      std::uint64_t(std::abs(std::int64_t{fields.height})));
}

// Red, green and blue masks: 5-6-5 at 16 bits per pixel, 8-8-8 otherwise.
void writeMasks(assetgen::ByteWriter& out, std::uint16_t bitCount) {
    const bool sixteen = bitCount == 16;
    out.u32(sixteen ? 0xF800 : 0xFF0000);
    out.u32(sixteen ? 0x07E0 : 0x00FF00);
    out.u32(sixteen ? 0x001F : 0x0000FF);
}

}  // namespace

TableColour tableColour(std::uint32_t index) {
    const auto low = static_cast<std::uint8_t>(index);
    return {low, static_cast<std::uint8_t>(255 - low), static_cast<std::uint8_t>(low ^ 0x5A), 0xA5};
}

std::vector<std::uint8_t> encodeBmp(const BmpFields& fields) {
    const bool core = fields.infoSize == CoreInfoSize;
    const bool bitfields = fields.compression == Bitfields;
    const std::uint32_t masksAfter = bitfields && fields.infoSize == 40 ? MaskBytes : 0;
    const std::uint32_t entries = fields.tableEntries.value_or(neededEntries(fields));
    const std::uint32_t pixelOffset = 14 + fields.infoSize + masksAfter + entries * (core ? 3 : 4);
    const std::uint32_t pixelBytes = fields.pixelBytes.value_or(pictureBytes(fields));

    assetgen::ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + pixelBytes);
    out.u32(0);
    out.u32(pixelOffset + static_cast<std::uint32_t>(fields.pixelOffsetShift));
    out.u32(fields.infoSize);
    if (core) {
        out.u16(static_cast<std::uint16_t>(fields.width));
        out.u16(static_cast<std::uint16_t>(fields.height));
        out.u16(fields.planes);
        out.u16(fields.bitCount);
    } else {
        out.i32(fields.width);
        out.i32(fields.height);
        out.u16(fields.planes);
        out.u16(fields.bitCount);
        out.u32(fields.compression);
        out.u32(pixelBytes);
        out.i32(2835);  // 72 dots per inch, both ways
        out.i32(2835);
        out.u32(fields.colorsUsed);
        out.u32(0);
        if (bitfields && fields.infoSize >= 52) {
            writeMasks(out, fields.bitCount);
        }
    }
    out.zeros(std::max<std::size_t>(out.size(), 14 + fields.infoSize) - out.size());
    if (masksAfter != 0) {
        writeMasks(out, fields.bitCount);
    }
    for (std::uint32_t i = 0; i < entries; ++i) {
        const TableColour colour = tableColour(i);
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        if (!core) {
            out.u8(colour.reserved);
        }
    }
    auto bytes = out.take();
    bytes.insert(bytes.end(), pixelBytes, fields.pixelByte);
    return bytes;
}

}  // namespace bmpseeds

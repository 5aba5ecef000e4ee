#pragma once
// .bmp files written field by field: sound ones, and ones with a field set wrong on purpose, for
// the bitmap loaders' tests and the fuzzer's seed corpus.
#include <cstdint>
#include <optional>
#include <vector>

namespace bmpseeds {

struct BmpFields {
    std::uint32_t infoSize = 40;  // 12 writes the oldest header, with 16-bit sides
    std::int32_t width = 4;
    std::int32_t height = 4;  // negative: rows stored top-down
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;  // 3: masks, after a 40-byte header or inside a longer one
    std::uint32_t colorsUsed = 0;
    // Colour table entries written; by default those the bit count and colorsUsed call for.
    std::optional<std::uint32_t> tableEntries = std::nullopt;
    // Bytes of rows written; by default all the picture's rows.
    std::optional<std::uint32_t> pixelBytes = std::nullopt;
    std::int32_t pixelOffsetShift = 0;  // added to the recorded start of the rows
    std::uint8_t pixelByte = 0;         // every byte of the rows
};

// Entry i of every colour table written (bytes in file order).
struct TableColour {
    std::uint8_t blue, green, red, reserved;
};
TableColour tableColour(std::uint32_t index);

std::vector<std::uint8_t> encodeBmp(const BmpFields& fields);

}  // namespace bmpseeds

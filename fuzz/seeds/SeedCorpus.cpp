#include "fuzz/seeds/SeedCorpus.h"

#include <limits>

#include "fuzz/seeds/BmpWriter.h"

namespace bmpseeds {
namespace {

constexpr bool Sound = true;
constexpr bool Broken = false;
constexpr std::uint32_t RunLength8 = 1;
constexpr std::uint32_t Bitfields = 3;

struct Described {
    const char* name;
    BmpFields fields;
    bool sound;
};

// Defaults: a 4 × 4 picture of 8 bits per pixel with a 40-byte header and 256 colours.
const Described DescribedSeeds[] = {
    {"1-bit", {.width = 9, .height = 3, .bitCount = 1}, Sound},
    {"4-bit", {.width = 5, .bitCount = 4}, Sound},
    {"8-bit", {}, Sound},
    {"8-bit-16-colours", {.colorsUsed = 16}, Sound},
    {"8-bit-300-colours-claimed", {.colorsUsed = 300}, Sound},
    {"4-bit-all-colours-claimed", {.bitCount = 4, .colorsUsed = 0xFFFFFFFF}, Sound},
    {"8-bit-top-down", {.height = -3}, Sound},
    {"16-bit", {.bitCount = 16}, Sound},
    {"16-bit-masks", {.bitCount = 16, .compression = Bitfields}, Sound},
    {"16-bit-masks-124-byte-header",
     {.infoSize = 124, .bitCount = 16, .compression = Bitfields},
     Sound},
    {"24-bit", {.width = 3, .height = 3, .bitCount = 24}, Sound},
    {"32-bit", {.bitCount = 32}, Sound},
    {"32-bit-masks-56-byte-header",
     {.infoSize = 56, .bitCount = 32, .compression = Bitfields},
     Sound},
    {"12-byte-header", {.infoSize = 12}, Sound},
    {"108-byte-header-4-bit", {.infoSize = 108, .bitCount = 4}, Sound},
    {"widest-side", {.width = 16384, .height = 1, .bitCount = 1}, Sound},

    {"width-0", {.width = 0}, Broken},
    {"width-negative", {.width = -4}, Broken},
    {"width-over-side", {.width = 16385, .height = 1, .bitCount = 1}, Broken},
    {"width-huge", {.width = std::numeric_limits<std::int32_t>::max(), .pixelBytes = 64}, Broken},
    {"height-0", {.height = 0}, Broken},
    {"height-most-negative",
     {.height = std::numeric_limits<std::int32_t>::min(), .pixelBytes = 64},
     Broken},
    {"height-over-side", {.width = 1, .height = 16385, .bitCount = 1}, Broken},
    {"two-planes", {.planes = 2}, Broken},
    {"bit-count-0", {.bitCount = 0}, Broken},
    {"bit-count-2", {.bitCount = 2}, Broken},
    {"12-byte-header-16-bit", {.infoSize = 12, .bitCount = 16}, Broken},
    {"run-length-coded", {.compression = RunLength8}, Broken},
    {"masks-on-8-bit", {.compression = Bitfields}, Broken},
    {"64-byte-header", {.infoSize = 64}, Broken},
    {"rows-cut-short", {.pixelBytes = 15}, Broken},
    {"colour-table-cut-short", {.tableEntries = 200}, Broken},
    {"rows-start-inside-table", {.pixelOffsetShift = -4}, Broken},
    {"rows-start-past-end", {.pixelOffsetShift = 1}, Broken},
};

}  // namespace

std::vector<Seed> seedCorpus() {
    std::vector<Seed> seeds;
    for (const auto& [name, fields, sound] : DescribedSeeds) {
        seeds.push_back({name, encodeBmp(fields), sound});
    }
    const std::vector<std::uint8_t> plain = encodeBmp({});
    std::vector<std::uint8_t> notBmp = plain;
    notBmp[0] = 'M';
    seeds.push_back({"empty", {}, Broken});
    seeds.push_back({"not-bmp", notBmp, Broken});
    seeds.push_back({"file-header-only", {plain.begin(), plain.begin() + 14}, Broken});
    seeds.push_back({"info-header-cut", {plain.begin(), plain.begin() + 30}, Broken});
    return seeds;
}

}  // namespace bmpseeds

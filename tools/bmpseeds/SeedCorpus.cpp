#include "tools/bmpseeds/SeedCorpus.h"

#include <limits>

#include "tools/bmpseeds/BmpWriter.h"

namespace bmpseeds {
namespace {

constexpr bool kSound = true;
constexpr bool kBroken = false;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kBitfields = 3;

struct Described {
    const char* name;
    BmpFields fields;
    bool sound;
};

// Defaults: a 4 × 4 picture of 8 bits per pixel with a 40-byte header and 256 colours.
const Described kDescribed[] = {
    {"1-bit", {.width = 9, .height = 3, .bitCount = 1}, kSound},
    {"4-bit", {.width = 5, .bitCount = 4}, kSound},
    {"8-bit", {}, kSound},
    {"8-bit-16-colours", {.colorsUsed = 16}, kSound},
    {"8-bit-300-colours-claimed", {.colorsUsed = 300}, kSound},
    {"4-bit-all-colours-claimed", {.bitCount = 4, .colorsUsed = 0xFFFFFFFF}, kSound},
    {"8-bit-top-down", {.height = -3}, kSound},
    {"16-bit", {.bitCount = 16}, kSound},
    {"16-bit-masks", {.bitCount = 16, .compression = kBitfields}, kSound},
    {"16-bit-masks-124-byte-header",
     {.infoSize = 124, .bitCount = 16, .compression = kBitfields},
     kSound},
    {"24-bit", {.width = 3, .height = 3, .bitCount = 24}, kSound},
    {"32-bit", {.bitCount = 32}, kSound},
    {"32-bit-masks-56-byte-header",
     {.infoSize = 56, .bitCount = 32, .compression = kBitfields},
     kSound},
    {"12-byte-header", {.infoSize = 12}, kSound},
    {"108-byte-header-4-bit", {.infoSize = 108, .bitCount = 4}, kSound},
    {"widest-side", {.width = 16384, .height = 1, .bitCount = 1}, kSound},

    {"width-0", {.width = 0}, kBroken},
    {"width-negative", {.width = -4}, kBroken},
    {"width-over-side", {.width = 16385, .height = 1, .bitCount = 1}, kBroken},
    {"width-huge", {.width = std::numeric_limits<std::int32_t>::max(), .pixelBytes = 64}, kBroken},
    {"height-0", {.height = 0}, kBroken},
    {"height-most-negative",
     {.height = std::numeric_limits<std::int32_t>::min(), .pixelBytes = 64},
     kBroken},
    {"height-over-side", {.width = 1, .height = 16385, .bitCount = 1}, kBroken},
    {"two-planes", {.planes = 2}, kBroken},
    {"bit-count-0", {.bitCount = 0}, kBroken},
    {"bit-count-2", {.bitCount = 2}, kBroken},
    {"12-byte-header-16-bit", {.infoSize = 12, .bitCount = 16}, kBroken},
    {"run-length-coded", {.compression = kRunLength8}, kBroken},
    {"masks-on-8-bit", {.compression = kBitfields}, kBroken},
    {"64-byte-header", {.infoSize = 64}, kBroken},
    {"rows-cut-short", {.pixelBytes = 15}, kBroken},
    {"colour-table-cut-short", {.tableEntries = 200}, kBroken},
    {"rows-start-inside-table", {.pixelOffsetShift = -4}, kBroken},
    {"rows-start-past-end", {.pixelOffsetShift = 1}, kBroken},
};

}  // namespace

std::vector<Seed> seedCorpus() {
    std::vector<Seed> seeds;
    for (const auto& [name, fields, sound] : kDescribed) {
        seeds.push_back({name, encodeBmp(fields), sound});
    }
    const std::vector<std::uint8_t> plain = encodeBmp({});
    std::vector<std::uint8_t> notBmp = plain;
    notBmp[0] = 'M';
    seeds.push_back({"empty", {}, kBroken});
    seeds.push_back({"not-bmp", notBmp, kBroken});
    seeds.push_back({"file-header-only", {plain.begin(), plain.begin() + 14}, kBroken});
    seeds.push_back({"info-header-cut", {plain.begin(), plain.begin() + 30}, kBroken});
    return seeds;
}

}  // namespace bmpseeds

// The embedded assets in the formats the game and the Windows resource compiler read. Their bytes
// are pinned by the regeneration test; these hold the formats whatever the generator draws.
#include <gtest/gtest.h>

#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"

namespace {

using Fields = std::vector<std::uint32_t>;

std::uint32_t readLe(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width) {
    if (offset + width > bytes.size()) {
        throw std::out_of_range("field past the end of the file");
    }
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | bytes[offset + i];
    }
    return value;
}

// The fields at these (offset, width) pairs, to hold a whole header against what it must say.
Fields fields(std::span<const std::uint8_t> bytes,
              std::initializer_list<std::pair<std::size_t, std::size_t>> offsetsAndWidths) {
    Fields values;
    for (const auto& [offset, width] : offsetsAndWidths) {
        values.push_back(readLe(bytes, offset, width));
    }
    return values;
}

std::vector<std::span<const std::uint8_t>> resourcesOf(ResourceKind kind) {
    std::vector<std::span<const std::uint8_t>> found;
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == kind) {
            found.emplace_back(resource.begin, resource.end);
        }
    }
    return found;
}

TEST(EmbeddedBitmaps, AreUncompressedBottomUp8BitFilesWithA256EntryPalette) {
    const auto bitmaps = resourcesOf(ResourceKind::Bitmap);
    ASSERT_FALSE(bitmaps.empty());
    for (const auto file : bitmaps) {
        ASSERT_GE(file.size(), 54u);
        // File size, pixel offset, header size, planes, bits per pixel, compression, palette.
        EXPECT_EQ(
            fields(file, {{2, 4}, {10, 4}, {14, 4}, {26, 2}, {28, 2}, {30, 4}, {46, 4}}),
            (Fields{static_cast<std::uint32_t>(file.size()), 14 + 40 + 1024, 40, 1, 8, 0, 256}));
        // Rows padded to four bytes; a negative (top-down) height could not fill the file.
        const std::uint32_t width = readLe(file, 18, 4), height = readLe(file, 22, 4);
        EXPECT_EQ(file.size(), 14 + 40 + 1024 + (width + 3) / 4 * 4 * height);
    }
}

TEST(EmbeddedWaves, AreMono8Or16BitPcm) {
    const auto waves = resourcesOf(ResourceKind::Wave);
    ASSERT_FALSE(waves.empty());
    for (const auto wave : waves) {
        ASSERT_GE(wave.size(), 44u);
        EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4) +
                      std::string(wave.begin() + 8, wave.begin() + 16) +
                      std::string(wave.begin() + 36, wave.begin() + 40),
                  "RIFFWAVEfmt data");
        const std::uint32_t rate = readLe(wave, 24, 4), bits = readLe(wave, 34, 2),
                            data = readLe(wave, 40, 4);
        ASSERT_TRUE(bits == 8 || bits == 16) << bits;
        // RIFF size, fmt size, PCM, channels, byte rate, block align; odd data is padded.
        EXPECT_EQ(fields(wave, {{4, 4}, {16, 4}, {20, 2}, {22, 2}, {28, 4}, {32, 2}}),
                  (Fields{static_cast<std::uint32_t>(wave.size() - 8), 16, 1, 1, rate * bits / 8,
                          bits / 8}));
        EXPECT_EQ(44 + data + data % 2, wave.size());
    }
}

TEST(ProgramIcon, IsOne32By32SixteenColourImageNamedByItsGroup) {
    const auto image = findResource(ResourceKind::Icon, resource::IconImage);
    ASSERT_EQ(image.size(), 40u + 64u + 512u + 128u);
    // Header size, width, colour rows and mask rows, bits per pixel.
    EXPECT_EQ(fields(image, {{0, 4}, {4, 4}, {8, 4}, {14, 2}}), (Fields{40, 32, 64, 4}));
    // Reserved, type icon, one image 32 × 32 of 16 colours, planes, depth, size, icon id.
    const auto group = findResource(ResourceKind::GroupIcon, resource::IconGroup);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(
        fields(
            group,
            {{0, 2}, {2, 2}, {4, 2}, {6, 1}, {7, 1}, {8, 1}, {10, 2}, {12, 2}, {14, 4}, {18, 2}}),
        (Fields{0, 1, 1, 32, 32, 16, 1, 4, static_cast<std::uint32_t>(image.size()),
                resource::IconImage}));
}

}  // namespace

// The program's icon in the format the Windows resource compiler and the window's icon read. Its
// bytes are pinned by the regeneration test; this holds the format whatever the generator draws.
// The bitmaps and waves are held to the readers of the game's own, in the display's and the
// audio's tests.
#include <gtest/gtest.h>

#include <span>
#include <stdexcept>
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

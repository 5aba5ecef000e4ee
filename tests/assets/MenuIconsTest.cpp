// The menu icons: PNG files that a PNG reader takes (signature, chunks with their CRCs, the
// rows inflated with zlib), the program icon at every size the icon theme looks for.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "devtools/assetgen/MenuIcons.h"
#include "devtools/assetgen/Pictures.h"

namespace {

std::uint32_t bigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

struct DecodedPng {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rows;  // each with its filter byte
};

// Walks the chunks, checking each CRC; fails the test on anything a reader would refuse.
DecodedPng decode(const std::vector<std::uint8_t>& file) {
    DecodedPng png;
    const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), file.begin()));
    std::vector<std::uint8_t> packed;
    std::string types;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        const std::uint32_t length = bigEndian(file, at);
        const std::string type(file.begin() + static_cast<long>(at) + 4,
                               file.begin() + static_cast<long>(at) + 8);
        types += type + " ";
        const std::uint8_t* data = file.data() + at + 8;
        EXPECT_EQ(crc32(0, file.data() + at + 4, length + 4), bigEndian(file, at + 8 + length));
        if (type == "IHDR") {
            png.width = bigEndian(file, at + 8);
            png.height = bigEndian(file, at + 12);
            EXPECT_EQ(std::vector<std::uint8_t>(data + 8, data + 13),
                      (std::vector<std::uint8_t>{8, 2, 0, 0, 0}));
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        }
        at += 12 + length;
    }
    EXPECT_EQ(types, "IHDR IDAT IEND ");
    uLongf size = png.height * (1 + 3 * png.width);
    png.rows.resize(size);
    EXPECT_EQ(uncompress(png.rows.data(), &size, packed.data(), static_cast<uLong>(packed.size())),
              Z_OK);
    EXPECT_EQ(size, png.rows.size());
    return png;
}

assetgen::Rgb pixelAt(const DecodedPng& png, std::uint32_t x, std::uint32_t y) {
    const std::size_t at = y * (1 + 3 * png.width) + 1 + 3 * x;
    return {png.rows[at], png.rows[at + 1], png.rows[at + 2]};
}

TEST(MenuIcons, TheProgramIconAtEverySizeAsPngFiles) {
    const assetgen::IndexedImage icon = assetgen::programIcon();
    const std::vector<assetgen::AssetFile> files = assetgen::menuIcons();
    ASSERT_EQ(files.size(), 6u);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto size = static_cast<std::uint32_t>(assetgen::MenuIconSizes[i]);
        const std::string side = std::to_string(size);
        EXPECT_EQ(files[i].name, side + "x" + side + "/apps/tilebounce.png");
        const DecodedPng png = decode(files[i].bytes);
        ASSERT_EQ(png.width, size);
        ASSERT_EQ(png.height, size);
        for (std::uint32_t y = 0; y < size; ++y) {
            EXPECT_EQ(png.rows[y * (1 + 3 * size)], 0) << "no filter";
        }
        if (size >= 32) {  // every pixel the icon's pixel under its centre
            for (std::uint32_t y = 0; y < size; y += 5) {
                for (std::uint32_t x = 0; x < size; x += 3) {
                    EXPECT_EQ(pixelAt(png, x, y),
                              icon.colourAt(static_cast<int>((2 * x + 1) * 32 / (2 * size)),
                                            static_cast<int>((2 * y + 1) * 32 / (2 * size))));
                }
            }
        }
    }
    // At 16 pixels each is its 2 × 2 block's average.
    const DecodedPng small = decode(files[0].bytes);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            int red = 0;
            for (int d = 0; d < 4; ++d) {
                red += icon.colourAt(2 * x + d % 2, 2 * y + d / 2).r;
            }
            EXPECT_EQ(
                pixelAt(small, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)).r,
                red / 4);
        }
    }
}

}  // namespace

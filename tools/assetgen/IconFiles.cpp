#include "tools/assetgen/IconFiles.h"

#include <algorithm>
#include <stdexcept>

#include "tools/assetgen/ByteWriter.h"

namespace assetgen {

namespace {

constexpr int kSide = 32;
constexpr std::uint16_t kBitsPerPixel = 4;
constexpr std::uint8_t kColours = 16;

// The three words that open both an icon group and an .ico file, and the fields the group's
// entry and the file's entry share.
void writeDirectoryStart(ByteWriter& out, std::uint32_t imageBytes) {
    out.u16(0);  // reserved
    out.u16(1);  // icons, not cursors
    out.u16(1);  // one image
    out.u8(kSide);
    out.u8(kSide);
    out.u8(kColours);
    out.u8(0);   // reserved
    out.u16(1);  // planes
    out.u16(kBitsPerPixel);
    out.u32(imageBytes);
}

}  // namespace

const std::vector<Rgb>& standardSixteenColours() {
    static const std::vector<Rgb> colours{
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    return colours;
}

std::vector<std::uint8_t> encodeIconImage(const IndexedImage& picture) {
    if (picture.width() != kSide || picture.height() != kSide) {
        throw std::invalid_argument("the icon must be 32 x 32");
    }
    const std::vector<Rgb>& standard = standardSixteenColours();
    const std::vector<Rgb>& used = picture.palette();
    if (used.size() > standard.size() || !std::equal(used.begin(), used.end(), standard.begin())) {
        throw std::invalid_argument("the icon may use only the standard 16 colours");
    }
    constexpr std::uint32_t colourRowBytes = kSide / 2;
    constexpr std::uint32_t maskRowBytes = kSide / 8;
    ByteWriter out;
    out.u32(40);
    out.i32(kSide);
    out.i32(2 * kSide);
    out.u16(1);
    out.u16(kBitsPerPixel);
    out.u32(0);
    out.u32((colourRowBytes + maskRowBytes) * kSide);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (const Rgb& colour : standard) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; x += 2) {
            out.u8(
                static_cast<std::uint8_t>(picture.indexAt(x, y) << 4 | picture.indexAt(x + 1, y)));
        }
    }
    out.zeros(maskRowBytes * kSide);
    return out.take();
}

std::vector<std::uint8_t> encodeIconGroup(std::uint16_t iconId, std::uint32_t imageBytes) {
    ByteWriter out;
    writeDirectoryStart(out, imageBytes);
    out.u16(iconId);
    return out.take();
}

std::vector<std::uint8_t> encodeIconFile(const std::vector<std::uint8_t>& iconImage) {
    ByteWriter out;
    writeDirectoryStart(out, static_cast<std::uint32_t>(iconImage.size()));
    out.u32(static_cast<std::uint32_t>(out.size() + 4));  // the image follows this field
    out.bytes(iconImage);
    return out.take();
}

}  // namespace assetgen

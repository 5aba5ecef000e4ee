#include "devtools/assetgen/IconFiles.h"

#include <algorithm>
#include <stdexcept>

#include "devtools/assetgen/ByteWriter.h"

namespace assetgen {

namespace {

constexpr int Side = 32;
constexpr std::uint16_t BitsPerPixel = 4;
constexpr std::uint8_t Colours = 16;

// The three words that open both an icon group and an .ico file, and the fields the group's
// entry and the file's entry share.
void writeDirectoryStart(ByteWriter& out, std::uint32_t imageBytes) {
    out.u16(0);  // reserved
    out.u16(1);  // icons, not cursors
    out.u16(1);  // one image
    out.u8(Side);
    out.u8(Side);
    out.u8(Colours);
    out.u8(0);   // reserved
    out.u16(1);  // planes
    out.u16(BitsPerPixel);
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
    if (picture.width() != Side || picture.height() != Side) {
        throw std::invalid_argument("the icon must be 32 x 32");
    }
    const std::vector<Rgb>& standard = standardSixteenColours();
    const std::vector<Rgb>& used = picture.palette();
    if (used.size() > standard.size() || !std::equal(used.begin(), used.end(), standard.begin())) {
        throw std::invalid_argument("the icon may use only the standard 16 colours");
    }
    constexpr std::uint32_t colourRowBytes = Side / 2;
    constexpr std::uint32_t maskRowBytes = Side / 8;
    ByteWriter out;
    out.u32(40);
    out.i32(Side);
    out.i32(2 * Side);
    out.u16(1);
    out.u16(BitsPerPixel);
    out.u32(0);
    out.u32((colourRowBytes + maskRowBytes) * Side);
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
    for (int y = Side - 1; y >= 0; --y) {
        for (int x = 0; x < Side; x += 2) {
            out.u8(
                static_cast<std::uint8_t>(picture.indexAt(x, y) << 4 | picture.indexAt(x + 1, y)));
        }
    }
    out.zeros(maskRowBytes * Side);
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

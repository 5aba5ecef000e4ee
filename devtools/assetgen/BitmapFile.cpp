#include "devtools/assetgen/BitmapFile.h"

#include "devtools/assetgen/ByteWriter.h"

namespace assetgen {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PaletteSize = 256 * 4;
constexpr std::int32_t PixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::vector<std::uint8_t> encodeBitmapFile(const IndexedImage& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t stride = (width + 3) / 4 * 4;  // rows end on a 4-byte boundary
    const std::uint32_t pixelBytes = stride * height;
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + pixelBytes);
    out.u32(0);  // two reserved words
    out.u32(pixelOffset);

    out.u32(InfoHeaderSize);
    out.i32(image.width());
    out.i32(image.height());  // positive: bottom-up
    out.u16(1);               // planes
    out.u16(8);               // bits per pixel
    out.u32(0);               // BI_RGB, uncompressed
    out.u32(pixelBytes);
    out.i32(PixelsPerMetre);
    out.i32(PixelsPerMetre);
    out.u32(256);  // palette entries stored
    out.u32(0);    // all of them matter

    for (const Rgb& colour : image.palette()) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
    out.zeros(4 * (256 - image.palette().size()));

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            out.u8(image.indexAt(x, y));
        }
        out.zeros(stride - width);
    }
    return out.take();
}

}  // namespace assetgen

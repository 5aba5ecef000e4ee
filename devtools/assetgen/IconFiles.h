#pragma once
// The program icon: one 32 x 32 image with 4 bits per pixel in the standard 16-colour palette and
// an all-opaque mask, kept three ways.
//
// The icon image (the bytes of resource ICON 1, and the tail of the .ico file):
//   BITMAPINFOHEADER, 40 bytes: width 32, height 64 (colour rows then mask rows), 1 plane,
//     4 bits per pixel, uncompressed, image size 640
//   16 RGBQUAD palette entries, 64 bytes
//   colour rows, bottom-up, 16 bytes each, high nibble first: 512 bytes
//   mask rows, bottom-up, 4 bytes each, all bits 0 (opaque): 128 bytes
// The icon group (the bytes of resource GROUP_ICON 116), 20 bytes:
//   reserved 0, type 1, count 1 (three 16-bit words), then one 14-byte entry: width 32,
//   height 32, 16 colours, reserved 0 (bytes), planes 1, bits 4 (words), image bytes 744
//   (32-bit), icon id 1 (16-bit).
// The .ico file: the same three words, one 16-byte entry that ends in the image's file offset 22
//   instead of an id, then the icon image.
#include <cstdint>
#include <vector>

#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

// Black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime, yellow, blue,
// fuchsia, aqua, white: the 16 colours every display of the time could show.
const std::vector<Rgb>& standardSixteenColours();

// The picture must be 32 x 32 and use only the standard 16 colours, in their standard order.
std::vector<std::uint8_t> encodeIconImage(const IndexedImage& picture);
std::vector<std::uint8_t> encodeIconGroup(std::uint16_t iconId, std::uint32_t imageBytes);
std::vector<std::uint8_t> encodeIconFile(const std::vector<std::uint8_t>& iconImage);

}  // namespace assetgen

#pragma once
// Windows bitmap files as the game loads them: 8 bits per pixel, uncompressed, a 40-byte
// BITMAPINFOHEADER, a full 256-entry palette and rows stored bottom-up.
#include <cstdint>
#include <vector>

#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

std::vector<std::uint8_t> encodeBitmapFile(const IndexedImage& image);

}  // namespace assetgen

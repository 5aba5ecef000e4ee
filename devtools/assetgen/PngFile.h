#pragma once
// PNG files of opaque 8-bit RGB pictures, compressed with zlib; no timestamps, so the same
// picture always gives the same bytes.
#include <cstdint>
#include <vector>

#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row, top first
};

std::vector<std::uint8_t> encodePng(const RgbPicture& picture);

}  // namespace assetgen

#include "devtools/assetgen/MenuIcons.h"

#include <string>

#include "devtools/assetgen/Pictures.h"
#include "devtools/assetgen/PngFile.h"

namespace assetgen {
namespace {

// The icon at size × size: each output pixel the average of the icon's pixels it covers when
// shrinking, the icon's pixel under its centre when growing.
RgbPicture resized(const IndexedImage& icon, int size) {
    RgbPicture picture{size, size, {}};
    const int block = icon.width() > size ? icon.width() / size : 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int left = block > 1 ? x * block : (2 * x + 1) * icon.width() / (2 * size);
            const int top = block > 1 ? y * block : (2 * y + 1) * icon.height() / (2 * size);
            int r = 0;
            int g = 0;
            int b = 0;
            for (int dy = 0; dy < block; ++dy) {
                for (int dx = 0; dx < block; ++dx) {
                    const Rgb colour = icon.colourAt(left + dx, top + dy);
                    r += colour.r;
                    g += colour.g;
                    b += colour.b;
                }
            }
            const int count = block * block;
            picture.pixels.push_back({static_cast<std::uint8_t>(r / count),
                                      static_cast<std::uint8_t>(g / count),
                                      static_cast<std::uint8_t>(b / count)});
        }
    }
    return picture;
}

}  // namespace

std::vector<AssetFile> menuIcons() {
    const IndexedImage icon = programIcon();
    std::vector<AssetFile> files;
    for (const int size : MenuIconSizes) {
        const std::string side = std::to_string(size);
        files.push_back(
            {side + "x" + side + "/apps/tilebounce.png", encodePng(resized(icon, size))});
    }
    return files;
}

}  // namespace assetgen

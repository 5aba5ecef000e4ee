#include "devtools/assetgen/IndexedImage.h"

#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

std::uint32_t packed(Rgb colour) {
    return static_cast<std::uint32_t>(colour.r) << 16 | static_cast<std::uint32_t>(colour.g) << 8 |
           colour.b;
}

std::size_t pixelCount(int width, int height) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("a picture needs a positive size, not " +
                                    std::to_string(width) + " x " + std::to_string(height));
    }
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

IndexedImage::IndexedImage(int width, int height, Rgb background)
    : IndexedImage(width, height, std::vector<Rgb>{background}) {}

IndexedImage::IndexedImage(int width, int height, const std::vector<Rgb>& palette)
    : width_(width), height_(height), pixels_(pixelCount(width, height), 0) {
    if (palette.empty()) {
        throw std::invalid_argument("a picture needs at least its background colour");
    }
    for (const Rgb& colour : palette) {
        paletteIndex(colour);
    }
}

void IndexedImage::plot(int x, int y, Rgb colour) {
    if (contains(x, y)) {
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = paletteIndex(colour);
    }
}

std::uint8_t IndexedImage::indexAt(int x, int y) const {
    if (!contains(x, y)) {
        return 0;
    }
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

Rgb IndexedImage::colourAt(int x, int y) const {
    return palette_[indexAt(x, y)];
}

std::uint8_t IndexedImage::paletteIndex(Rgb colour) {
    const auto found = indexOfColour_.find(packed(colour));
    if (found != indexOfColour_.end()) {
        return found->second;
    }
    if (palette_.size() == 256) {
        throw std::length_error("a picture cannot use more than 256 colours");
    }
    const auto index = static_cast<std::uint8_t>(palette_.size());
    palette_.push_back(colour);
    indexOfColour_.emplace(packed(colour), index);
    return index;
}

}  // namespace assetgen

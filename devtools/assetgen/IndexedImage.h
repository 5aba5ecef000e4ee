#pragma once
// A picture of palette indices with its own palette of at most 256 colours, as the game's 8-bit
// bitmaps store it. Drawing names colours; the palette grows as new colours are used.
#include <cstdint>
#include <map>
#include <vector>

namespace assetgen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class IndexedImage {
  public:
    // The background becomes palette entry 0 and fills the picture.
    IndexedImage(int width, int height, Rgb background);
    // A picture whose palette starts with the given colours, in that order, filled with entry 0.
    IndexedImage(int width, int height, const std::vector<Rgb>& palette);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<Rgb>& palette() const { return palette_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Points outside the picture are ignored, so shapes may run over its edges.
    void plot(int x, int y, Rgb colour);
    Rgb colourAt(int x, int y) const;          // the background outside the picture
    std::uint8_t indexAt(int x, int y) const;  // 0 outside the picture

  private:
    std::uint8_t paletteIndex(Rgb colour);  // throws once a 257th colour is asked for

    int width_;
    int height_;
    std::vector<Rgb> palette_;
    std::map<std::uint32_t, std::uint8_t> indexOfColour_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace assetgen

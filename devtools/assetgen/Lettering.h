#pragma once
// Korean lettering for the pictures: text rendered with a font of Debian's fonts-nanum and laid
// into a picture in a few flat shades, never as a smear of in-between colours.
#include <string>
#include <vector>

#include "devtools/assetgen/GlyphRaster.h"
#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

struct TextStyle {
    const char* fontFile;  // a file of Debian's fonts-nanum
    int pixelSize;
    assetgen::GlyphRendering rendering;
};

// Throws std::runtime_error naming the font and the cause when the text cannot be rendered.
assetgen::GlyphCoverage renderText(const TextStyle& style, const std::string& utf8);

struct InkBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// The smallest box holding every pixel with any ink; all zero for blank coverage.
InkBox inkBox(const assetgen::GlyphCoverage& coverage);

// Coverage from `threshold` up paints in that shade's colour; the highest threshold met wins.
struct InkShade {
    int threshold;
    Rgb colour;
};
// Lays the coverage with its ink box's top-left corner at (left, top).
void stampInk(IndexedImage& image, int left, int top, const assetgen::GlyphCoverage& coverage,
              const std::vector<InkShade>& shades);

}  // namespace assetgen

#include "devtools/assetgen/Lettering.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr const char* FontDirectory = "/usr/share/fonts/truetype/nanum/";

}  // namespace

assetgen::GlyphCoverage renderText(const TextStyle& style, const std::string& utf8) {
    assetgen::GlyphRasterResult result = assetgen::rasterizeText(
        std::string(FontDirectory) + style.fontFile, style.pixelSize, utf8, style.rendering);
    if (!result.ok()) {
        throw std::runtime_error(result.error + " (the fonts come from Debian's fonts-nanum)");
    }
    return std::move(result.coverage);
}

InkBox inkBox(const assetgen::GlyphCoverage& coverage) {
    int left = coverage.width;
    int top = coverage.height;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            if (coverage.at(x, y) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

void stampInk(IndexedImage& image, int left, int top, const assetgen::GlyphCoverage& coverage,
              const std::vector<InkShade>& shades) {
    const InkBox box = inkBox(coverage);
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            const int ink = coverage.at(box.left + x, box.top + y);
            const InkShade* chosen = nullptr;
            for (const InkShade& shade : shades) {
                if (ink >= shade.threshold && (!chosen || shade.threshold > chosen->threshold)) {
                    chosen = &shade;
                }
            }
            if (chosen) {
                image.plot(left + x, top + y, chosen->colour);
            }
        }
    }
}

}  // namespace assetgen

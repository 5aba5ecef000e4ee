#include <array>
#include <string>
#include <string_view>

#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/Lettering.h"
#include "devtools/assetgen/Palette.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

namespace {

using namespace colours;

constexpr int Width = 221;
constexpr int Height = 60;
constexpr int Tile = 53;
constexpr int Gap = 3;  // 4 tiles and 3 gaps fill the width exactly
constexpr int Top = 3;

constexpr Rgb darkGrey{64, 64, 64};

// A flower in the tile's top-left corner with a vine running along each edge.
constexpr std::array<std::string_view, 13> CornerFlower{
    ".WW.WW.......", "WLLWLLW......", "WLWGWLW.LL...", ".WGLGW.L..L.W", "WLWGWLW....WL",
    "WLLWLLW.....W", ".WW.WW.......", "..L..........", ".L...........", ".L...........",
    "..L.W........", "...WLW.......", "....W........",
};

// The corner art turned to fit the corner at the far side of x and/or y.
void stampCorner(IndexedImage& image, int left, int top, bool flipX, bool flipY) {
    const SpriteLegend legend{{'W', white}, {'L', lightGrey}, {'G', grey}};
    for (int row = 0; row < static_cast<int>(CornerFlower.size()); ++row) {
        const std::string_view line = CornerFlower[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            const auto ink = legend.find(line[static_cast<std::size_t>(column)]);
            if (ink == legend.end()) {
                continue;
            }
            const int x = flipX ? Tile - 1 - column : column;
            const int y = flipY ? Tile - 1 - row : row;
            image.plot(left + x, top + y, ink->second);
        }
    }
}

void drawTile(IndexedImage& image, int left, const std::string& syllable) {
    frameRect(image, left, Top, Tile, Tile, grey);
    frameRect(image, left + 1, Top + 1, Tile - 2, Tile - 2, darkGrey);
    for (bool flipX : {false, true}) {
        for (bool flipY : {false, true}) {
            stampCorner(image, left + 3, Top + 3, flipX, flipY);
        }
    }
    const assetgen::GlyphCoverage ink =
        renderText({"NanumMyeongjoBold.ttf", 31, assetgen::GlyphRendering::Smooth}, syllable);
    const InkBox box = inkBox(ink);
    stampInk(image, left + (Tile - box.width) / 2, Top + (Tile - box.height) / 2, ink,
             {{60, grey}, {120, white}});
}

}  // namespace

IndexedImage gameOverPicture() {
    IndexedImage image(Width, Height, black);
    const char* syllables[] = {"게", "임", "오", "버"};
    for (int i = 0; i < 4; ++i) {
        drawTile(image, i * (Tile + Gap), syllables[i]);
    }
    return image;
}

}  // namespace assetgen

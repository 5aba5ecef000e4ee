#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/GlyphRaster.h"
#include "devtools/assetgen/Lettering.h"

namespace {

using assetgen::IndexedImage;
using assetgen::Point;
using assetgen::Rgb;

constexpr Rgb Black{0, 0, 0}, White{255, 255, 255}, Grey{128, 128, 128};

int countOf(const IndexedImage& image, Rgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.colourAt(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A letter for the colour at each point: K black, W white, G grey, ? any other.
std::string lettersAt(const IndexedImage& image, std::initializer_list<std::array<int, 2>> points) {
    std::string letters;
    for (const auto [x, y] : points) {
        const Rgb c = image.colourAt(x, y);
        letters += c == Black ? 'K' : c == White ? 'W' : c == Grey ? 'G' : '?';
    }
    return letters;
}

TEST(Drawing, FillsShapesByPixelCentresAndDropsWhatFallsOutside) {
    IndexedImage image(10, 10, Black);
    const std::array<Point, 3> triangle{{{0, 0}, {10, 0}, {0, 10}}};
    assetgen::fillPolygon(image, triangle, White);
    EXPECT_EQ(countOf(image, White), 45) << "centres on the hypotenuse stay out";
    EXPECT_EQ(lettersAt(image, {{8, 0}, {9, 0}}), "WK");

    IndexedImage rounded(10, 10, Black);
    assetgen::fillRoundedRect(rounded, 0, 0, 10, 10, 3, White);
    EXPECT_EQ(lettersAt(rounded, {{0, 0}, {9, 9}, {1, 1}, {5, 0}, {0, 5}}), "KKWWW");

    IndexedImage ring(9, 9, Black);
    assetgen::ringEllipse(ring, {4.5, 4.5}, 4.0, 4.0, 1.0, White);
    // The centre, the rim, just inside the ring's thickness and a corner outside it.
    EXPECT_EQ(lettersAt(ring, {{4, 4}, {4, 0}, {4, 1}, {0, 0}}), "KWKK");

    IndexedImage corner(4, 4, Black);
    assetgen::fillEllipse(corner, {-5, -5}, 10, 10, White);
    assetgen::fillRect(corner, -3, 2, 100, 100, Grey);
    assetgen::drawLine(corner, -2, -2, 5, 5, Black);
    EXPECT_EQ(lettersAt(corner, {{1, 0}, {3, 3}, {0, 3}}), "WKG") << "the line ran through (3, 3)";
}

TEST(Drawing, StampsSpritesAtScaleAndPastesPictures) {
    const std::array<std::string_view, 2> rows{"a.", ".b"};
    IndexedImage image(6, 6, Black);
    assetgen::stampSprite(image, 1, 1, rows, {{'a', White}, {'b', Grey}}, 2);
    EXPECT_EQ(countOf(image, White), 4);
    EXPECT_EQ(countOf(image, Grey), 4);
    // '.' is not in the legend: (3, 1) is left unpainted.
    EXPECT_EQ(lettersAt(image, {{1, 1}, {4, 4}, {3, 1}}), "WGK");

    IndexedImage target(3, 3, Black);
    assetgen::pasteImage(target, image, -1, -1);
    EXPECT_EQ(lettersAt(target, {{0, 0}, {2, 0}, {2, 2}}), "WKG");
}

TEST(Lettering, LaysTheInkBoxAtThePointInItsShades) {
    assetgen::GlyphCoverage coverage;
    coverage.width = 4;
    coverage.height = 3;
    coverage.ink = {0, 0, 0, 0, 0, 200, 100, 0, 0, 0, 20, 0};
    const assetgen::InkBox box = assetgen::inkBox(coverage);
    EXPECT_EQ((std::array{box.left, box.top, box.width, box.height}), (std::array{1, 1, 2, 2}));
    IndexedImage image(3, 3, Black);
    assetgen::stampInk(image, 0, 0, coverage, {{150, White}, {50, Grey}});
    EXPECT_EQ(lettersAt(image, {{0, 0}, {1, 0}, {1, 1}}), "WGK") << "(1, 1) too faint for a shade";

    const assetgen::InkBox blank = assetgen::inkBox(assetgen::GlyphCoverage{2, 2, {0, 0, 0, 0}});
    EXPECT_EQ((std::array{blank.width, blank.height}), (std::array{0, 0}));
}

TEST(Lettering, RendersKoreanCrispOrSmoothAndNamesWhatIsMissing) {
    const auto crisp =
        assetgen::renderText({"NanumGothicBold.ttf", 16, assetgen::GlyphRendering::Crisp}, "공");
    const auto smooth =
        assetgen::renderText({"NanumGothicBold.ttf", 16, assetgen::GlyphRendering::Smooth}, "공");
    const auto onlyFullOrNone = [](const assetgen::GlyphCoverage& c) {
        return std::all_of(c.ink.begin(), c.ink.end(), [](auto v) { return v == 0 || v == 255; });
    };
    EXPECT_TRUE(onlyFullOrNone(crisp));
    EXPECT_FALSE(onlyFullOrNone(smooth));
    EXPECT_GT(assetgen::inkBox(crisp).width, 8);
    EXPECT_LE(assetgen::inkBox(crisp).height, 17);

    try {
        assetgen::renderText({"NoSuchFont.ttf", 16, assetgen::GlyphRendering::Smooth}, "공");
        FAIL() << "a missing font must be refused";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("NoSuchFont.ttf"), std::string::npos);
    }
    const auto path = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";
    EXPECT_FALSE(assetgen::rasterizeText(path, 0, "공", assetgen::GlyphRendering::Smooth).ok());
    EXPECT_FALSE(assetgen::rasterizeText(path, 12, "", assetgen::GlyphRendering::Smooth).ok());
}

}  // namespace

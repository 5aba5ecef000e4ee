#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string_view>

#include "platform/GlyphRaster.h"
#include "tools/assetgen/Draw.h"
#include "tools/assetgen/Lettering.h"

namespace {

using assetgen::IndexedImage;
using assetgen::Point;
using assetgen::Rgb;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey{128, 128, 128};

int countOf(const IndexedImage& image, Rgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.colourAt(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(Drawing, FillsShapesByPixelCentresAndDropsWhatFallsOutside) {
    IndexedImage image(10, 10, kBlack);
    const std::array<Point, 3> triangle{{{0, 0}, {10, 0}, {0, 10}}};
    assetgen::fillPolygon(image, triangle, kWhite);
    EXPECT_EQ(countOf(image, kWhite), 45) << "centres on the hypotenuse stay out";
    EXPECT_EQ(image.colourAt(8, 0), kWhite);
    EXPECT_EQ(image.colourAt(9, 0), kBlack);

    IndexedImage rounded(10, 10, kBlack);
    assetgen::fillRoundedRect(rounded, 0, 0, 10, 10, 3, kWhite);
    EXPECT_EQ(rounded.colourAt(0, 0), kBlack);
    EXPECT_EQ(rounded.colourAt(9, 9), kBlack);
    EXPECT_EQ(rounded.colourAt(1, 1), kWhite);
    EXPECT_EQ(rounded.colourAt(5, 0), kWhite);
    EXPECT_EQ(rounded.colourAt(0, 5), kWhite);

    IndexedImage ring(9, 9, kBlack);
    assetgen::ringEllipse(ring, {4.5, 4.5}, 4.0, 4.0, 1.0, kWhite);
    EXPECT_EQ(ring.colourAt(4, 4), kBlack);
    EXPECT_EQ(ring.colourAt(4, 0), kWhite);
    EXPECT_EQ(ring.colourAt(4, 1), kBlack) << "inside the ring's thickness";
    EXPECT_EQ(ring.colourAt(0, 0), kBlack);

    IndexedImage corner(4, 4, kBlack);
    assetgen::fillEllipse(corner, {-5, -5}, 10, 10, kWhite);
    assetgen::fillRect(corner, -3, 2, 100, 100, kGrey);
    assetgen::drawLine(corner, -2, -2, 5, 5, kBlack);
    EXPECT_EQ(corner.colourAt(1, 0), kWhite);
    EXPECT_EQ(corner.colourAt(3, 3), kBlack) << "the line ran through it";
    EXPECT_EQ(corner.colourAt(0, 3), kGrey);
}

TEST(Drawing, StampsSpritesAtScaleAndPastesPictures) {
    const std::array<std::string_view, 2> rows{"a.", ".b"};
    IndexedImage image(6, 6, kBlack);
    assetgen::stampSprite(image, 1, 1, rows, {{'a', kWhite}, {'b', kGrey}}, 2);
    EXPECT_EQ(countOf(image, kWhite), 4);
    EXPECT_EQ(countOf(image, kGrey), 4);
    EXPECT_EQ(image.colourAt(1, 1), kWhite);
    EXPECT_EQ(image.colourAt(4, 4), kGrey);
    EXPECT_EQ(image.colourAt(3, 1), kBlack) << "'.' is not in the legend: left unpainted";

    IndexedImage target(3, 3, kBlack);
    assetgen::pasteImage(target, image, -1, -1);
    EXPECT_EQ(target.colourAt(0, 0), kWhite);
    EXPECT_EQ(target.colourAt(2, 0), kBlack);
    EXPECT_EQ(target.colourAt(2, 2), kGrey);
}

TEST(Lettering, LaysTheInkBoxAtThePointInItsShades) {
    platform::GlyphCoverage coverage;
    coverage.width = 4;
    coverage.height = 3;
    coverage.ink = {0, 0, 0, 0, 0, 200, 100, 0, 0, 0, 20, 0};
    const assetgen::InkBox box = assetgen::inkBox(coverage);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.width, 2);
    EXPECT_EQ(box.height, 2);
    IndexedImage image(3, 3, kBlack);
    assetgen::stampInk(image, 0, 0, coverage, {{150, kWhite}, {50, kGrey}});
    EXPECT_EQ(image.colourAt(0, 0), kWhite);
    EXPECT_EQ(image.colourAt(1, 0), kGrey);
    EXPECT_EQ(image.colourAt(1, 1), kBlack) << "too faint for any shade";

    const assetgen::InkBox blank = assetgen::inkBox(platform::GlyphCoverage{2, 2, {0, 0, 0, 0}});
    EXPECT_EQ(blank.width, 0);
    EXPECT_EQ(blank.height, 0);
}

TEST(Lettering, RendersKoreanCrispOrSmoothAndNamesWhatIsMissing) {
    const auto crisp =
        assetgen::renderText({"NanumGothicBold.ttf", 16, platform::GlyphRendering::Crisp}, "공");
    const auto smooth =
        assetgen::renderText({"NanumGothicBold.ttf", 16, platform::GlyphRendering::Smooth}, "공");
    const auto onlyFullOrNone = [](const platform::GlyphCoverage& c) {
        return std::all_of(c.ink.begin(), c.ink.end(), [](auto v) { return v == 0 || v == 255; });
    };
    EXPECT_TRUE(onlyFullOrNone(crisp));
    EXPECT_FALSE(onlyFullOrNone(smooth));
    EXPECT_GT(assetgen::inkBox(crisp).width, 8);
    EXPECT_LE(assetgen::inkBox(crisp).height, 17);

    try {
        assetgen::renderText({"NoSuchFont.ttf", 16, platform::GlyphRendering::Smooth}, "공");
        FAIL() << "a missing font must be refused";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("NoSuchFont.ttf"), std::string::npos);
    }
    const auto path = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";
    EXPECT_FALSE(platform::rasterizeText(path, 0, "공", platform::GlyphRendering::Smooth).ok());
    EXPECT_FALSE(platform::rasterizeText(path, 12, "", platform::GlyphRendering::Smooth).ok());
}

}  // namespace

// Lettering that cannot be done is named. The shipped pictures' drawing and lettering are pinned
// byte for byte by the regeneration test.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "devtools/assetgen/GlyphRaster.h"
#include "devtools/assetgen/Lettering.h"

namespace {

TEST(Lettering, NamesAMissingFontAndRefusesNoSizeOrNoText) {
    try {
        assetgen::renderText({"NoSuchFont.ttf", 16, assetgen::GlyphRendering::Smooth}, "공");
        FAIL() << "a missing font must be refused";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("NoSuchFont.ttf"), std::string::npos);
    }
    const auto path = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";
    EXPECT_FALSE(assetgen::rasterizeText(path, 0, "공", assetgen::GlyphRendering::Smooth).ok());
    EXPECT_FALSE(assetgen::rasterizeText(path, 12, "", assetgen::GlyphRendering::Smooth).ok());
    const assetgen::InkBox blank = assetgen::inkBox(assetgen::GlyphCoverage{2, 2, {0, 0, 0, 0}});
    EXPECT_EQ((std::array{blank.width, blank.height}), (std::array{0, 0})) << "no ink";
}

}  // namespace

// The Surface factories: bitmaps built in or read from files, and lines of text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/ResourceTable.h"
#include "display/Display.h"
#include "platform/Text.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

class FactoryTest : public OpenDisplay {
  protected:
    ~FactoryTest() override {
        for (const auto& path : written) {
            std::filesystem::remove(path);
        }
    }

    // A file of the given bytes in the temporary directory, removed after the test.
    std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = std::filesystem::temp_directory_path() /
                          ("tb_display_" + std::to_string(::getpid()) + "_" + name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        written.push_back(path);
        return path.string();
    }

    static std::vector<std::uint8_t> trailStripBytes() {
        const auto bytes = findResource(ResourceKind::BITMAP, 101);
        return {bytes.begin(), bytes.end()};
    }

    std::vector<std::filesystem::path> written;
};

void expectTrailStrip(const Surface& dots) {
    ASSERT_EQ(dots.description().width, 12u);
    ASSERT_EQ(dots.description().height, 3u);
    const std::uint16_t colour[] = {kWhite, kLightGrey, kGrey, kBlack};
    for (std::uint32_t y = 0; y < 3; ++y) {
        for (std::uint32_t x = 0; x < 12; ++x) {
            EXPECT_EQ(pixelOf(*dots.platformSurface(), x, y), x % 3 == y ? colour[x / 3] : kBlue)
                << x << "," << y;
        }
    }
}

TEST_F(FactoryTest, BuiltInBitmapBecomesASurfaceOfItsOwnSize) {
    Surface* dots = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&dots, 101, 0, 0), S_OK);
    keep(dots);
    expectTrailStrip(*dots);
}

TEST_F(FactoryTest, ABmpFileIsReadWhenTheNameIsAPath) {
    const std::string path = writeFile("strip.bmp", trailStripBytes());
    Surface* dots = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&dots, path.c_str(), 0, 0), S_OK);
    keep(dots);
    expectTrailStrip(*dots);
}

TEST_F(FactoryTest, AGivenSizeStretchesThePicture) {
    Surface* dots = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&dots, 101, 24, 6), S_OK);
    keep(dots);
    ASSERT_EQ(dots->description().width, 24u);
    ASSERT_EQ(dots->description().height, 6u);
    EXPECT_EQ(pixelOf(*dots->platformSurface(), 1, 1), kWhite);
    EXPECT_EQ(pixelOf(*dots->platformSurface(), 2, 0), kBlue);
    EXPECT_EQ(pixelOf(*dots->platformSurface(), 23, 5), kBlack);

    Surface* wide = nullptr;
    ASSERT_EQ(screen.newBitmapSurface(&wide, 101, 36, 0), S_OK);
    keep(wide);
    EXPECT_EQ(wide->description().width, 36u);
    EXPECT_EQ(wide->description().height, 3u);
}

TEST_F(FactoryTest, MissingArgumentsAreInvalidAndUnknownNamesFailWithANullResult) {
    Surface* made = nullptr;
    EXPECT_EQ(screen.newBitmapSurface(&made, platform::BitmapName(), 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newBitmapSurface(&made, static_cast<const char*>(nullptr), 0, 0),
              E_INVALIDARG);
    EXPECT_EQ(screen.newBitmapSurface(nullptr, 101, 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(&made, nullptr, nullptr, 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(nullptr, nullptr, "x", 0, 0), E_INVALIDARG);

    Surface sentinel;
    const std::string missing =
        (std::filesystem::temp_directory_path() / "tb_display_no_such_file.bmp").string();
    for (const platform::BitmapName& name :
         {platform::BitmapName(9999), platform::BitmapName(-101),
          platform::BitmapName(missing.c_str()), platform::BitmapName("101")}) {
        made = &sentinel;
        EXPECT_EQ(screen.newBitmapSurface(&made, name, 0, 0), E_FAIL);
        EXPECT_EQ(made, nullptr);
    }
    made = &sentinel;
    EXPECT_EQ(screen.newBitmapSurface(&made, 101, 100000, 0), E_FAIL) << "absurd sizes too";
    EXPECT_EQ(made, nullptr);
}

TEST_F(FactoryTest, TruncatedOrGarbageFilesAreRejectedCleanly) {
    const auto good = trailStripBytes();
    std::vector<std::vector<std::uint8_t>> bad = {
        {},                                            // empty
        {'B', 'M'},                                    // only the signature
        {good.begin(), good.begin() + 14},             // file header only
        {good.begin(), good.begin() + 54},             // headers, no palette
        {good.begin(), good.end() - 10},               // pixels cut short
        std::vector<std::uint8_t>(good.size(), 0xA5),  // noise of the right length
    };
    std::vector<std::uint8_t> hugeClaim = good;
    hugeClaim[18] = 0xFF;  // width 0x7FFFFFFF
    hugeClaim[19] = 0xFF;
    hugeClaim[20] = 0xFF;
    hugeClaim[21] = 0x7F;
    bad.push_back(hugeClaim);

    Surface sentinel;
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const std::string path = writeFile("bad" + std::to_string(i) + ".bmp", bad[i]);
        Surface* made = &sentinel;
        EXPECT_EQ(screen.newBitmapSurface(&made, path.c_str(), 0, 0), E_FAIL) << "case " << i;
        EXPECT_EQ(made, nullptr);
    }
}

TEST_F(FactoryTest, TextSurfaceIsExactlyItsTextWhiteOnAGreyBox) {
    Surface* label = nullptr;
    ASSERT_EQ(
        screen.newTextSurface(&label, nullptr, "Stage 12", RGB(128, 128, 128), RGB(255, 255, 255)),
        S_OK);
    keep(label);
    std::int32_t width = 0;
    std::int32_t height = 0;
    ASSERT_TRUE(platform::measureText(nullptr, "Stage 12", width, height));
    EXPECT_EQ(label->description().width, static_cast<std::uint32_t>(width));
    EXPECT_EQ(label->description().height, static_cast<std::uint32_t>(height));
    EXPECT_EQ(height, 16) << "a classic 16-pixel line";

    const auto pixels = pixelsOf(*label->platformSurface());
    const auto grey = std::count(pixels.begin(), pixels.end(), kGrey);
    const auto white = std::count(pixels.begin(), pixels.end(), kWhite);
    EXPECT_EQ(grey + white, static_cast<long>(pixels.size())) << "only the two colours";
    EXPECT_GT(white, 40);
    EXPECT_GT(grey, white);
    EXPECT_EQ(pixels.front(), kGrey) << "the box starts at the top-left corner";

    Surface* longer = nullptr;
    ASSERT_EQ(screen.newTextSurface(&longer, nullptr, "Stage 123", 0, 0xFFFFFF), S_OK);
    keep(longer);
    EXPECT_GT(longer->description().width, label->description().width);
}

TEST_F(FactoryTest, EmptyTextMakesNoSurface) {
    Surface sentinel;
    Surface* made = &sentinel;
    EXPECT_EQ(screen.newTextSurface(&made, nullptr, "", 0, 0), E_INVALIDARG);
    EXPECT_EQ(made, nullptr);
}

}  // namespace
}  // namespace displaytest

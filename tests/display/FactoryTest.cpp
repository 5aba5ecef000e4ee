// The Surface factories: bitmaps built in or read from files, and lines of text.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/ResourceTable.h"
#include "platform/Text.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

class FactoryTest : public OpenDisplay {
  protected:
    ~FactoryTest() override { std::filesystem::remove(path); }

    const char* fileOf(const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.c_str();
    }

    const std::vector<std::uint8_t> strip = [] {
        const auto bytes = findResource(ResourceKind::BITMAP, 101);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tb_display_" + std::to_string(::getpid()) + ".bmp"))
                                 .string();
};

// Asked for twice its size, the strip is stretched to it.
TEST_F(FactoryTest, BuiltInAndFileBitmapsGiveTheTrailStripAtItsOwnOrAGivenSize) {
    const std::uint16_t colour[] = {kWhite, kLightGrey, kGrey, kBlack};
    for (const auto& [dots, scale] :
         {std::pair{bitmap(101), 1u}, std::pair{bitmap(fileOf(strip)), 1u},
          std::pair{bitmap(101, 24, 6), 2u}}) {
        ASSERT_EQ(dots->description().width, 12 * scale);
        ASSERT_EQ(dots->description().height, 3 * scale);
        for (std::uint32_t y = 0; y < 3 * scale; ++y) {
            for (std::uint32_t x = 0; x < 12 * scale; ++x) {
                EXPECT_EQ(dots->platformSurface()->row(y)[x],
                          x / scale % 3 == y / scale ? colour[x / scale / 3] : kBlue);
            }
        }
    }
    EXPECT_EQ(bitmap(101, 36, 0)->description().height, 3u) << "0 keeps the bitmap's own";
}

TEST_F(FactoryTest, NullArgumentsAreInvalidAndUnreadableNamesFailWithANullResult) {
    Surface* made = nullptr;
    EXPECT_EQ(screen.newBitmapSurface(&made, platform::BitmapName(), 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newBitmapSurface(nullptr, 101, 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(&made, nullptr, nullptr, 0, 0), E_INVALIDARG);
    EXPECT_EQ(screen.newTextSurface(nullptr, nullptr, "x", 0, 0), E_INVALIDARG);

    std::vector<std::uint8_t> hugeWidth = strip;
    std::fill(hugeWidth.begin() + 18, hugeWidth.begin() + 21, 0xFF);
    const std::vector<std::vector<std::uint8_t>> badFiles = {
        {},
        {strip.begin(), strip.begin() + 14},  // file header only
        {strip.begin(), strip.begin() + 54},  // no palette
        {strip.begin(), strip.end() - 10},    // pixels cut short
        std::vector<std::uint8_t>(strip.size(), 0xA5),
        hugeWidth,
    };
    Surface sentinel;
    const auto expectFailure = [&](platform::BitmapName name, std::uint32_t width) {
        made = &sentinel;
        EXPECT_EQ(screen.newBitmapSurface(&made, name, width, 0), E_FAIL);
        EXPECT_EQ(made, nullptr);
    };
    for (const auto& bytes : badFiles) {
        expectFailure(fileOf(bytes), 0);
    }
    std::filesystem::remove(path);
    expectFailure(path.c_str(), 0);
    expectFailure(9999, 0);
    expectFailure(101, 100000);
}

TEST_F(FactoryTest, TextSurfaceIsExactlyItsTextWhiteOnAGreyBox) {
    Surface* label = nullptr;
    ASSERT_EQ(screen.newTextSurface(&label, nullptr, "Stage 12", RGB(128, 128, 128), 0xFFFFFF),
              S_OK);
    kept.emplace_back(label);
    std::int32_t width = 0;
    std::int32_t height = 0;
    ASSERT_TRUE(platform::measureText(nullptr, "Stage 12", width, height));
    EXPECT_EQ(label->description().width, static_cast<std::uint32_t>(width));
    EXPECT_EQ(label->description().height, 16u) << "a classic 16-pixel line";

    const auto pixels = pixelsOf(*label->platformSurface());
    const auto white = std::count(pixels.begin(), pixels.end(), kWhite);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kGrey) + white,
              static_cast<std::ptrdiff_t>(pixels.size()));
    EXPECT_GT(white, 40);
    EXPECT_EQ(pixels.front(), kGrey);

    Surface sentinel;
    Surface* empty = &sentinel;
    EXPECT_EQ(screen.newTextSurface(&empty, nullptr, "", 0, 0), E_INVALIDARG) << "no 0-wide box";
    EXPECT_EQ(empty, nullptr);
}

}  // namespace
}  // namespace displaytest

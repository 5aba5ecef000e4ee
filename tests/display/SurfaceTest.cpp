// Surfaces on their own: holding their platform surface, painting, the colour key, the
// conversion of colours to raw pixel values and the description of pixel masks.
#include <gtest/gtest.h>

#include "display/device/Bitmap.h"
#include "display/device/PixelDevice.h"
#include "display/spare/DescribeMask.h"
#include "display/spare/SurfaceSpare.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

class SurfaceTest : public ::testing::Test {
  protected:
    ~SurfaceTest() override { device->release(); }

    void allocate(std::uint32_t width, std::uint32_t height) {
        const device::SurfaceDesc desc{.width = width, .height = height};
        ASSERT_EQ(surface.allocate(device, &desc), S_OK);
    }
    std::uint16_t& pixel(std::uint32_t x, std::uint32_t y) {
        return surface.platformSurface()->row(y)[x];
    }

    device::PixelDevice* device = device::PixelDevice::create();
    Surface surface;
    const std::unique_ptr<device::Bitmap> strip = device::Bitmap::load(TrailDots, 0, 0);
};

// The Surface's own reference goes exactly once: with the test's extra one, the count shows it.
TEST_F(SurfaceTest, AdoptAndReleaseTakeAndGiveBackTheSurfacesOwnReferenceOnce) {
    device::PixelSurface* first = nullptr;
    device::PixelSurface* second = nullptr;
    ASSERT_EQ(device->createSurface(4, 4, &first), S_OK);
    ASSERT_EQ(device->createSurface(2, 2, &second), S_OK);
    {
        Surface adopter;
        adopter.adopt(first);
        EXPECT_EQ(adopter.description().width, 4u);
        adopter.adopt(second);
        EXPECT_EQ(first->release(), 0u);
    }
    EXPECT_EQ(second->release(), 0u);

    allocate(2, 2);
    ASSERT_EQ(surface.setSourceKey(RGB(0, 0, 255)), S_OK);
    device::PixelSurface* held = surface.platformSurface();
    held->addRef();
    releaseSurface(surface);
    releaseSurface(surface);  // holds none now: gives back nothing more
    EXPECT_EQ(held->release(), 0u) << "the Surface gave back its one reference, once";
    EXPECT_EQ(surface.platformSurface(), nullptr);
    EXPECT_TRUE(surface.isKeyed()) << "the key is kept";
}

TEST_F(SurfaceTest, KeyAndConversionNeedASurfaceAndBorrowPixelZeroOnly) {
    EXPECT_EQ(surface.toPixelValue(RGB(255, 255, 255)), 0u);
    EXPECT_EQ(surface.setSourceKey(RGB(0, 0, 255)), E_POINTER);
    EXPECT_FALSE(surface.isKeyed());
    allocate(2, 2);
    pixel(0, 0) = 0xABCD;
    EXPECT_EQ(surface.toPixelValue(CLR_INVALID), 0xABCDu);
    EXPECT_EQ(surface.toPixelValue(RGB(255, 0, 0)), 0xF800u);
    EXPECT_EQ(surface.setSourceKey(RGB(0, 0, 255)), S_OK);
    EXPECT_TRUE(surface.isKeyed());
    EXPECT_EQ(surface.platformSurface()->sourceKey(), Blue);
    EXPECT_EQ((std::array{pixel(0, 0), pixel(1, 0)}),
              (std::array<std::uint16_t, 2>{0xABCD, Black}));
}

TEST_F(SurfaceTest, PaintBitmapStretchesAPartAndByNameTheWholeOverTheSurface) {
    allocate(6, 6);
    ASSERT_EQ(surface.paintBitmap(strip.get(), 3, 0, 3, 3), S_OK);  // frame 1, doubled
    EXPECT_EQ((std::array{pixel(1, 1), pixel(5, 5), pixel(2, 0)}),
              (std::array{LightGrey, LightGrey, Blue}));
    allocate(24, 6);
    surface.platformSurface()->fill(0x1234);
    ASSERT_EQ(paintBitmapByName(surface, TrailDots, 0, 0), S_OK);
    EXPECT_EQ((std::array{pixel(1, 1), pixel(2, 0), pixel(23, 5)}),
              (std::array{White, Blue, Black}));
    EXPECT_EQ(surface.paintBitmap(nullptr, 0, 0, 0, 0), E_INVALIDARG);
    EXPECT_EQ(Surface().paintBitmap(strip.get(), 0, 0, 0, 0), E_INVALIDARG);
}

TEST_F(SurfaceTest, PaintTextFillsItsBoxAtItsPlaceAndEmptyTextDrawsNothing) {
    allocate(100, 40);
    surface.platformSurface()->fill(0x1234);
    EXPECT_EQ(surface.paintText(nullptr, "", 0, 0, RGB(128, 128, 128), 0xFFFFFF), S_OK);
    EXPECT_EQ(pixel(0, 0), 0x1234);
    ASSERT_EQ(surface.paintText(nullptr, "Life 3", 10, 20, RGB(128, 128, 128), 0xFFFFFF), S_OK);
    EXPECT_EQ((std::array{pixel(9, 20), pixel(10, 19), pixel(10, 35), pixel(10, 36)}),
              (std::array<std::uint16_t, 4>{0x1234, 0x1234, Grey, 0x1234}));
    EXPECT_EQ(surface.paintText(nullptr, "far away", INT32_MAX, 0, 0, 0), S_OK);
    EXPECT_EQ(surface.paintText(nullptr, nullptr, 0, 0, 0, 0), E_INVALIDARG);
}

TEST(DescribeMask, FindsTheLowestRunOfOneBits) {
    const struct {
        std::uint32_t mask, shift, width;
    } cases[] = {{0xF800, 11, 5}, {0x07E0, 5, 6},      {0, 0, 0},
                 {0x0F0F, 0, 4},  {0x80000000, 31, 1}, {0xFFFFFFFF, 0, 32}};
    for (const auto& c : cases) {
        std::uint32_t shift = 99;
        std::uint32_t width = 99;
        ASSERT_EQ(describeMask(c.mask, &shift, &width), S_OK);
        EXPECT_EQ((std::array{shift, width}), (std::array{c.shift, c.width})) << std::hex << c.mask;
    }
    std::uint32_t result = 0;
    EXPECT_EQ(describeMask(1, nullptr, &result), E_INVALIDARG);
    EXPECT_EQ(describeMask(1, &result, nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace displaytest

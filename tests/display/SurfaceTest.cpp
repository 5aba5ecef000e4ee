// Surfaces on their own: holding their platform surface, painting, the colour key and the
// conversion of colours to raw pixel values.
#include <gtest/gtest.h>

#include "display/Surface.h"
#include "platform/Bitmap.h"
#include "platform/PixelDevice.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

class SurfaceTest : public ::testing::Test {
  protected:
    ~SurfaceTest() override { device->release(); }

    Surface& allocated(std::uint32_t width, std::uint32_t height) {
        const platform::SurfaceDesc desc{.width = width, .height = height};
        EXPECT_EQ(surface.allocate(device, &desc), S_OK);
        return surface;
    }
    std::uint16_t& pixel(std::uint32_t x, std::uint32_t y) {
        return surface.platformSurface()->row(y)[x];
    }

    platform::PixelDevice* device = platform::PixelDevice::create();
    Surface surface;
};

TEST_F(SurfaceTest, AllocateMakesARecordedSurfaceAndPassesPlatformFailuresOn) {
    allocated(7, 5);
    EXPECT_EQ(surface.description().width, 7u);
    EXPECT_EQ(surface.description().height, 5u);
    EXPECT_EQ(surface.description().bitCount, 16u);
    EXPECT_EQ(surface.description().redMask, 0xF800u);

    const platform::SurfaceDesc empty{.width = 0, .height = 5};
    Surface other;
    EXPECT_EQ(other.allocate(device, &empty), E_INVALIDARG);
    EXPECT_EQ(other.platformSurface(), nullptr);
    EXPECT_EQ(other.allocate(device, nullptr), E_INVALIDARG);
    EXPECT_EQ(other.allocate(nullptr, &empty), E_POINTER);
}

// The Surface's own reference goes exactly once: with the test's extra one, the count shows it.
TEST_F(SurfaceTest, AdoptTakesItsOwnReferenceAndReleasesOnlyThat) {
    platform::PixelSurface* shared = nullptr;
    ASSERT_EQ(device->createSurface(4, 4, &shared), S_OK);
    {
        Surface adopter;
        EXPECT_EQ(adopter.adopt(shared), S_OK);
        EXPECT_EQ(adopter.platformSurface(), shared);
        EXPECT_EQ(adopter.description().width, 4u);

        platform::PixelSurface* replacement = nullptr;
        ASSERT_EQ(device->createSurface(2, 2, &replacement), S_OK);
        EXPECT_EQ(adopter.adopt(replacement), S_OK);
        EXPECT_EQ(shared->addRef(), 2u) << "the first adoption was given back";
        shared->release();
        replacement->release();
    }
    EXPECT_EQ(shared->release(), 0u);

    Surface nothing;
    EXPECT_EQ(nothing.adopt(nullptr), S_OK);
    EXPECT_EQ(nothing.platformSurface(), nullptr);
}

TEST_F(SurfaceTest, SourceKeyNeedsASurfaceAndTakesThePaintedValueOfItsColour) {
    EXPECT_EQ(surface.setSourceKey(RGB(0, 0, 255)), E_POINTER);
    EXPECT_FALSE(surface.isKeyed());

    allocated(3, 3);
    EXPECT_EQ(surface.setSourceKey(RGB(0, 0, 255)), S_OK);
    EXPECT_TRUE(surface.isKeyed());
    EXPECT_EQ(surface.platformSurface()->sourceKey(), kBlue);
}

TEST_F(SurfaceTest, ToPixelValueBorrowsPixelZeroAndGivesItBack) {
    EXPECT_EQ(surface.toPixelValue(RGB(255, 255, 255)), 0u) << "no surface";
    allocated(2, 2);
    pixel(0, 0) = 0xABCD;
    pixel(1, 0) = 0x1111;
    EXPECT_EQ(surface.toPixelValue(CLR_INVALID), 0xABCDu);
    EXPECT_EQ(surface.toPixelValue(RGB(0, 0, 255)), kBlue);
    EXPECT_EQ(surface.toPixelValue(RGB(128, 128, 128)), kGrey);
    EXPECT_EQ(surface.toPixelValue(RGB(255, 255, 255)), kWhite);
    EXPECT_EQ(surface.toPixelValue(RGB(255, 0, 0)), 0xF800u);
    EXPECT_EQ(pixel(0, 0), 0xABCD);
    EXPECT_EQ(pixel(1, 0), 0x1111);
}

// The key must match exactly the pixels that painting gave the same colour.
TEST_F(SurfaceTest, ConversionAgreesWithBitmapPaintingForEveryTrailColour) {
    const auto strip = platform::Bitmap::load(101, 0, 0);
    ASSERT_NE(strip, nullptr);
    allocated(12, 3);
    ASSERT_EQ(surface.paintBitmap(strip.get(), 0, 0, 0, 0), S_OK);
    EXPECT_EQ(surface.toPixelValue(RGB(255, 255, 255)), pixel(0, 0));
    EXPECT_EQ(surface.toPixelValue(RGB(192, 192, 192)), pixel(3, 0));
    EXPECT_EQ(surface.toPixelValue(RGB(128, 128, 128)), pixel(6, 0));
    EXPECT_EQ(surface.toPixelValue(RGB(0, 0, 0)), pixel(9, 0));
    EXPECT_EQ(surface.toPixelValue(RGB(0, 0, 255)), pixel(1, 0));
}

TEST_F(SurfaceTest, PaintBitmapStretchesAPartOverTheWholeSurface) {
    const auto strip = platform::Bitmap::load(101, 0, 0);
    ASSERT_NE(strip, nullptr);
    allocated(6, 6);
    ASSERT_EQ(surface.paintBitmap(strip.get(), 3, 0, 3, 3), S_OK);  // frame 1, doubled
    EXPECT_EQ(pixel(0, 0), kLightGrey);
    EXPECT_EQ(pixel(1, 1), kLightGrey);
    EXPECT_EQ(pixel(5, 5), kLightGrey);
    EXPECT_EQ(pixel(2, 0), kBlue);
    EXPECT_EQ(pixel(0, 5), kBlue);

    EXPECT_EQ(surface.paintBitmap(nullptr, 0, 0, 0, 0), E_INVALIDARG);
    Surface empty;
    EXPECT_EQ(empty.paintBitmap(strip.get(), 0, 0, 0, 0), E_INVALIDARG);
}

TEST_F(SurfaceTest, PaintTextDrawsOpaqueAtItsPlaceAndEmptyTextDrawsNothing) {
    allocated(100, 40);
    surface.platformSurface()->fill(0x1234);
    EXPECT_EQ(surface.paintText(nullptr, "", 0, 0, RGB(128, 128, 128), RGB(255, 255, 255)), S_OK);
    EXPECT_EQ(pixel(0, 0), 0x1234);

    ASSERT_EQ(surface.paintText(nullptr, "Life 3", 10, 20, RGB(128, 128, 128), 0xFFFFFF), S_OK);
    EXPECT_EQ(pixel(9, 20), 0x1234);
    EXPECT_EQ(pixel(10, 19), 0x1234);
    EXPECT_EQ(pixel(10, 20), kGrey);
    EXPECT_EQ(pixel(10, 35), kGrey);
    EXPECT_EQ(pixel(10, 36), 0x1234) << "16 rows high";

    EXPECT_EQ(surface.paintText(nullptr, "far away", 5000, 0, 0, 0), S_OK);
    EXPECT_EQ(surface.paintText(nullptr, nullptr, 0, 0, 0, 0), E_INVALIDARG);
    Surface empty;
    EXPECT_EQ(empty.paintText(nullptr, "x", 0, 0, 0, 0), E_INVALIDARG);
}

}  // namespace
}  // namespace displaytest

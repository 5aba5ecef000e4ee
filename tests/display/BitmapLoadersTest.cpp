// The loaders that take a path (newBitmapSurface, paintBitmapByName, loadPalette) against files
// that are sound, broken, missing, unreadable or oversized: a refusal draws nothing and leaves
// every result null. Then palettes from colour tables: the built-in way (after the header,
// however long) and the file way (after exactly 14 + 40 bytes, fourth byte kept), with their
// colour counts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "assets/ResourceTable.h"
#include "display/device/BmpFile.h"
#include "display/spare/ColourTable.h"
#include "display/spare/DisplaySpare.h"
#include "display/spare/Palette.h"
#include "display/spare/SurfaceSpare.h"
#include "fuzz/seeds/BmpWriter.h"
#include "fuzz/seeds/SeedCorpus.h"
#include "tests/ScratchFolder.h"
#include "tests/display/DisplayFixture.h"

namespace displaytest {
namespace {

using bmpseeds::BmpFields;

constexpr std::uint32_t Fails = 0xFFFFFFFF;

PALETTEENTRY asRead(std::span<const std::uint8_t> bytes, std::size_t at) {
    return {bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]};
}

PALETTEENTRY written(std::uint32_t index, std::uint8_t flags) {
    const auto colour = bmpseeds::tableColour(index);
    return {colour.red, colour.green, colour.blue, flags};
}

class BitmapLoaders : public OpenDisplay {
  protected:
    ~BitmapLoaders() override {
        device::releaseHeld(palette);
        sentinelPalette->release();
    }

    // The three loaders' results for path; a refusal must leave results null and draw nothing.
    std::vector<HRESULT> load(const char* path) {
        Surface sentinel;
        Surface* made = &sentinel;
        const HRESULT surface = screen.newBitmapSurface(&made, path, 0, 0);
        kept.emplace_back(made == &sentinel ? nullptr : made);
        EXPECT_EQ(made == nullptr, FAILED(surface));

        Surface* target = numbered(4, 4);
        const auto before = pixelsOf(*target->platformSurface());
        const HRESULT painted = paintBitmapByName(*target, path, 0, 0);
        if (FAILED(painted)) {
            EXPECT_EQ(pixelsOf(*target->platformSurface()), before);
        }

        palette = sentinelPalette;
        const HRESULT loaded = loadPalette(screen, &palette, path);
        EXPECT_EQ(palette == nullptr, FAILED(loaded));
        device::releaseHeld(palette);
        return {surface, painted, loaded};
    }

    device::Palette* palette = nullptr;
    // Stands in the result before a load that must fail, to see it set to null.
    device::Palette* const sentinelPalette = device::Palette::create({});
    const std::vector<HRESULT> refused{E_FAIL, E_FAIL, E_FAIL};
    const ScratchFolder folder{"loaders"};
    const std::string file = folder / "file.bmp";
};

TEST_F(BitmapLoaders, EverySoundSeedLoadsAndEveryBrokenOneIsRefusedByAllThree) {
    for (const auto& seed : bmpseeds::seedCorpus()) {
        const bool fullTable = seed.bytes.size() >= 14 + 40 + 1024;
        const std::vector<HRESULT> expected =
            seed.sound ? std::vector<HRESULT>{S_OK, S_OK, fullTable ? S_OK : E_FAIL} : refused;
        EXPECT_EQ(load(writtenTo(file, seed.bytes)), expected) << seed.name;
        EXPECT_EQ(device::BmpFile::check(seed.bytes).has_value(), seed.sound) << seed.name;
    }
}

TEST_F(BitmapLoaders, MissingUnreadableEndlessAndHeaderOnlyFilesAreRefused) {
    const auto fifo = folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = std::filesystem::temp_directory_path().string();
    for (const char* path : {file.c_str(), "", directory.c_str(), "/dev/zero", fifo.c_str()}) {
        EXPECT_EQ(load(path), refused) << "'" << path << "'";
    }
    const auto strip = findResource(ResourceKind::Bitmap, TrailDots);
    EXPECT_EQ(load(writtenTo(file, strip.first(14 + 40))), refused) << "headers alone";
}

// A sound bitmap with padding after its rows: taken up to 16 MiB, refused beyond.
TEST_F(BitmapLoaders, AFileOverSixteenMebibytesIsRefusedWithoutBeingRead) {
    auto bytes = bmpseeds::encodeBmp({});
    bytes.resize(device::BmpFile::MaxBytes);
    EXPECT_EQ(load(writtenTo(file, bytes)), (std::vector<HRESULT>{S_OK, S_OK, S_OK}));
    bytes.push_back(0);
    EXPECT_EQ(load(writtenTo(file, bytes)), refused);
}

TEST_F(BitmapLoaders, FileAndBuiltInWaysCountColoursByTheirOwnRules) {
    const struct {
        const char* what;
        BmpFields fields;
        std::uint32_t fileCount, builtInCount;  // Fails: the file way fails
    } cases[] = {
        {"4-bit, too short for the file way", {.bitCount = 4}, Fails, 16},
        {"4-bit, colours in use 0", {.width = 64, .height = 64, .bitCount = 4}, 16, 16},
        {"16-bit", {.width = 32, .height = 20, .bitCount = 16}, 0, 0},
        {"24-bit", {.width = 20, .height = 20, .bitCount = 24}, 0, 0},
        {"108-byte header", {.infoSize = 108, .width = 64, .height = 64, .bitCount = 4}, 0, 16},
        {"124-byte header", {.infoSize = 124, .width = 64, .height = 64, .bitCount = 4}, 0, 16},
        {"12-byte header", {.infoSize = 12, .width = 64, .height = 64}, 0, 0},
        {"300 colours claimed", {.colorsUsed = 300}, 256, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto bytes = bmpseeds::encodeBmp(c.fields);
        palette = sentinelPalette;
        const HRESULT loaded = loadPalette(screen, &palette, writtenTo(file, bytes));
        ASSERT_EQ(loaded, c.fileCount == Fails ? E_FAIL : S_OK);
        ASSERT_EQ(palette == nullptr, FAILED(loaded));
        for (std::uint32_t i = 0; palette != nullptr && i <= c.fileCount && i < 256; ++i) {
            ASSERT_EQ(palette->entries()[i],
                      i < c.fileCount ? written(i, 0xA5) : asRead(bytes, 54 + 4 * i))
                << i << ": counted entries turned to red-green-blue, the next kept as read";
        }
        device::releaseHeld(palette);

        const auto builtIn = device::builtInColourTable(*device::BmpFile::check(bytes));
        ASSERT_TRUE(builtIn);
        EXPECT_EQ(builtIn->count, c.builtInCount);
        for (std::uint32_t i = 0; i < builtIn->count; ++i) {
            ASSERT_EQ(builtIn->entries[i], written(i, 0)) << i;
        }
    }
}

TEST_F(BitmapLoaders, ABuiltInBitmapGivesItsColoursWithFlagsCleared) {
    ASSERT_EQ(loadPalette(screen, &palette, TrailDots), S_OK);
    const auto strip = findResource(ResourceKind::Bitmap, TrailDots);
    for (std::size_t i = 0; i < 256; ++i) {
        const PALETTEENTRY quad = asRead(strip, 54 + 4 * i);
        ASSERT_EQ(palette->entries()[i], (PALETTEENTRY{quad.peBlue, quad.peGreen, quad.peRed, 0}));
    }
    device::releaseHeld(palette);
    palette = sentinelPalette;
    EXPECT_EQ(loadPalette(screen, &palette, 9999), E_FAIL);
    EXPECT_EQ(palette, nullptr);
}

// A table that claims more colours than it holds would be read past the bitmap's end.
TEST(BuiltInColourTable, RefusesATableRunningPastTheBytes) {
    const auto bytes = bmpseeds::encodeBmp({.bitCount = 4, .colorsUsed = 0xFFFFFFFF});
    const auto bitmap = device::BmpFile::check(bytes);
    ASSERT_TRUE(bitmap) << "decoders take 16 colours from it";
    EXPECT_FALSE(device::builtInColourTable(*bitmap));
}

}  // namespace
}  // namespace displaytest

// The loaders that take a path (newBitmapSurface, paintBitmapByName, loadPalette) against files
// that are sound, broken, missing, unreadable or oversized: a refusal draws nothing and leaves
// every result null.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/BmpFile.h"
#include "platform/Palette.h"
#include "tests/display/DisplayFixture.h"
#include "tests/display/ScratchFile.h"
#include "tools/bmpseeds/BmpWriter.h"
#include "tools/bmpseeds/SeedCorpus.h"

namespace displaytest {
namespace {

class HardenedLoaders : public OpenDisplay {
  protected:
    // The three loaders' results for path; a refusal must leave results null and draw nothing.
    std::vector<HRESULT> load(const char* path) {
        Surface sentinel;
        Surface* made = &sentinel;
        const HRESULT surface = screen.newBitmapSurface(&made, path, 0, 0);
        kept.emplace_back(made == &sentinel ? nullptr : made);
        EXPECT_EQ(made == nullptr, FAILED(surface));

        Surface* target = numbered(4, 4);
        const auto before = pixelsOf(*target->platformSurface());
        const HRESULT painted = target->paintBitmapByName(path, 0, 0);
        if (FAILED(painted)) {
            EXPECT_EQ(pixelsOf(*target->platformSurface()), before);
        }

        platform::Palette* palette = sentinelPalette;
        const HRESULT loaded = screen.loadPalette(&palette, path);
        EXPECT_EQ(palette == nullptr, FAILED(loaded));
        platform::releaseHeld(palette);
        return {surface, painted, loaded};
    }

    ~HardenedLoaders() override { sentinelPalette->release(); }

    platform::Palette* const sentinelPalette = platform::Palette::create({});
    const std::vector<HRESULT> refused{E_FAIL, E_FAIL, E_FAIL};
    const ScratchFile file{"hardened"};
};

TEST_F(HardenedLoaders, EverySoundSeedLoadsAndEveryBrokenOneIsRefusedByAllThree) {
    for (const auto& seed : bmpseeds::seedCorpus()) {
        const bool fullTable = seed.bytes.size() >= 14 + 40 + 1024;
        const std::vector<HRESULT> expected =
            seed.sound ? std::vector<HRESULT>{S_OK, S_OK, fullTable ? S_OK : E_FAIL} : refused;
        EXPECT_EQ(load(file.write(seed.bytes)), expected) << seed.name;
        EXPECT_EQ(platform::BmpFile::check(seed.bytes).has_value(), seed.sound) << seed.name;
    }
}

TEST_F(HardenedLoaders, MissingUnreadableAndEndlessFilesAreRefused) {
    const auto fifo = std::filesystem::temp_directory_path() / "tb_hardened_fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = std::filesystem::temp_directory_path().string();
    for (const char* path : {file.path(), "", directory.c_str(), "/dev/zero", fifo.c_str()}) {
        EXPECT_EQ(load(path), refused) << "'" << path << "'";
    }
    std::filesystem::remove(fifo);
}

// A sound bitmap with padding after its rows: taken up to 16 MiB, refused beyond.
TEST_F(HardenedLoaders, AFileOverSixteenMebibytesIsRefusedWithoutBeingRead) {
    auto bytes = bmpseeds::encodeBmp({});
    bytes.resize(platform::BmpFile::kMaxBytes);
    EXPECT_EQ(load(file.write(bytes)), (std::vector<HRESULT>{S_OK, S_OK, S_OK}));
    bytes.push_back(0);
    EXPECT_EQ(load(file.write(bytes)), refused);
}

}  // namespace
}  // namespace displaytest

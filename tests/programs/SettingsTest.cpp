// The settings file: read back as written, damage reported by line and never overwritten, writes
// that replace the file whole, and where the file lives.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "programs/tilebounce/Settings.h"

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() {
        std::string pattern = (fs::temp_directory_path() / "tb_settings_XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        path = folder / "tilebounce" / "settings.ini";
    }
    ~SettingsFileTest() override { fs::remove_all(folder); }

    void put(const std::string& text) const {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    static std::string contents(const fs::path& file) {
        return {std::istreambuf_iterator(std::ifstream(file).rdbuf()), {}};
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()));
    }

    fs::path folder;
    fs::path path;
};

TEST_F(SettingsFileTest, ReadsBackWhatItWroteAndDefaultsWithoutAFile) {
    const SettingsFile absent = readSettings(path);
    EXPECT_EQ(absent.settings, Settings{});
    EXPECT_EQ(absent.damage, "");

    Settings s;
    s.fullScreen = false;
    s.integerScale = true;
    s.scaling = platform::Scaling::Nearest;
    s.volume = 35;
    s.windowWidth = 1280;
    s.windowHeight = 960;
    s.windowX = -20;
    s.windowY = 40;
    s.keys["Left"] = {"Left", "A"};
    s.keys["Space"] = {"Keypad Enter"};
    std::string error;
    ASSERT_TRUE(writeSettings(absent, s, error)) << error;
    const SettingsFile read = readSettings(path);
    EXPECT_EQ(read.damage, "");
    EXPECT_EQ(read.settings, s);
    EXPECT_EQ(filesInFolder(), 1u) << "no temporary file left behind";

    put("[window]\nfullscreen = no\n[keys]\nUp = w, keypad 8\n; a comment\n");
    const SettingsFile spelt = readSettings(path);
    EXPECT_EQ(spelt.damage, "");
    EXPECT_FALSE(spelt.settings.fullScreen);
    EXPECT_EQ(spelt.settings.keys.at("Up"), (std::vector<std::string>{"W", "Keypad 8"}));
}

// What could be read is kept, what could not keeps its default; the file is set aside, never
// overwritten, when new settings are written.
TEST_F(SettingsFileTest, ADamagedFileIsReportedByLineAndSetAsideBeforeAWrite) {
    const std::string damaged =
        "[window]\nfullscreen = false\n[sound]\nvolume = loud\n[keys]\nLeft = Nosuchkey\n"
        "Right = D\ngarbage\n";
    put(damaged);
    const SettingsFile read = readSettings(path);
    EXPECT_EQ(read.damage, path.string() + ":4: [sound] volume = loud is not understood");
    EXPECT_FALSE(read.settings.fullScreen);
    EXPECT_EQ(read.settings.volume, 100);
    EXPECT_FALSE(read.settings.keys.contains("Left"));
    EXPECT_EQ(read.settings.keys.at("Right"), (std::vector<std::string>{"D"}));

    for (const auto& [text, line] :
         {std::pair{"[window]\nwidth = 0\n", ":2: "},
          std::pair{"[window]\nscaling = smooth\n", ":2: "},
          std::pair{"[sound]\nvolume = 101\n", ":2: "},
          std::pair{"[nosuchsection]\nx = 1\n", ":2: "},
          std::pair{"[keys]\nJump = Space\n", ":2: "}, std::pair{"[window\n", ":1: "}}) {
        put(text);
        EXPECT_NE(readSettings(path).damage.find(line), std::string::npos) << text;
    }

    put(damaged);
    std::string error;
    ASSERT_TRUE(writeSettings(read, read.settings, error)) << error;
    EXPECT_EQ(contents(path.string() + ".damaged"), damaged);
    EXPECT_EQ(readSettings(path).damage, "");
    put(damaged);
    ASSERT_TRUE(writeSettings(read, read.settings, error)) << error;
    EXPECT_EQ(contents(path.string() + ".damaged.2"), damaged);
    EXPECT_EQ(contents(path.string() + ".damaged"), damaged);
}

// The new file takes the old one's name in one step: a reader holding the old file still reads
// it whole, and a write that cannot happen leaves the old file as it was.
TEST_F(SettingsFileTest, WritesReplaceTheFileWholeOrNotAtAll) {
    put("[sound]\nvolume = 10\n");
    std::ifstream old(path);
    Settings louder;
    louder.volume = 90;
    std::string error;
    ASSERT_TRUE(writeSettings(readSettings(path), louder, error)) << error;
    EXPECT_EQ(std::string(std::istreambuf_iterator(old.rdbuf()), {}), "[sound]\nvolume = 10\n");
    EXPECT_EQ(readSettings(path).settings.volume, 90);
    EXPECT_EQ(filesInFolder(), 1u);

    const fs::path blocked = folder / "a-file" / "settings.ini";
    std::ofstream(folder / "a-file") << "in the way";
    EXPECT_FALSE(writeSettings(readSettings(blocked), louder, error));
    EXPECT_NE(error.find("a-file"), std::string::npos) << error;
}

TEST_F(SettingsFileTest, LivesUnderTheXdgConfigFolderOrTheHomeFolder) {
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = config != nullptr ? config : "";
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(settingsPath(), fs::path("/xdg/tilebounce/settings.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(settingsPath(), fs::path("/home/player/.config/tilebounce/settings.ini"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsPath(), fs::path("/home/player/.config/tilebounce/settings.ini"));
    ::unsetenv("HOME");
    EXPECT_EQ(settingsPath(), fs::path());
    ::setenv("HOME", home.c_str(), 1);
    if (config != nullptr) {
        ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    }
}

}  // namespace

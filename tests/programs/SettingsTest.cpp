// The settings file: read back as written (any settings, long key lists included), damage
// reported by line with values escaped, bounds held, only regular files read and replaced (a
// symbolic link stays one), the old file kept aside only once the new one is safely written,
// and where the file lives.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "game/RunGame.h"
#include "keyscript/GameKeys.h"
#include "platform/sdl/keys/KeyNames.h"
#include "platform/sdl/keys/PlayerKeys.h"
#include "programs/tilebounce/SettingsFile.h"
#include "programs/tilebounce/SettingsText.h"
#include "tests/ScopedEnv.h"
#include "tests/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() {
        path = folder / "tilebounce" / "settings.ini";
        fs::create_directories(path.parent_path());
    }

    void put(const std::string& text) const { std::ofstream(path) << text; }
    static std::string contents(const fs::path& file) {
        return {std::istreambuf_iterator(std::ifstream(file).rdbuf()), {}};
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path.parent_path())) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

    ScratchFolder folder{"settings"};
    fs::path path;
};

// Every key name SDL knows, as it spells it.
std::vector<std::string> allKeyNames() {
    std::vector<std::string> names;
    for (int scancode = 1; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const std::string name = SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
        if (!name.empty() && platform::canonicalKeyName(name) == name &&
            std::ranges::find(names, name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

Settings randomSettings(std::mt19937& random, const std::vector<std::string>& keyNames) {
    const auto within = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    Settings s;
    s.fullScreen = within(0, 1) == 1;
    s.integerScale = within(0, 1) == 1;
    s.scaling = within(0, 1) == 1 ? platform::Scaling::Sharp : platform::Scaling::Nearest;
    s.volume = within(0, 100);
    s.muted = within(0, 1) == 1;
    s.furthestStage = within(FirstStage, LastStage);
    s.timerShown = within(0, 1) == 1;
    s.ghostBest = within(0, 1) == 1;
    if (within(0, 1) == 1) {
        s.windowWidth = within(1, MaxWindowWidth);
        s.windowHeight = within(1, MaxWindowHeight);
    }
    if (within(0, 1) == 1) {
        s.windowX = within(MinWindowPosition, MaxWindowPosition);
        s.windowY = within(MinWindowPosition, MaxWindowPosition);
    }
    // Each key name bound to one game key at most; some lists run to dozens of names.
    std::vector<std::string> unbound = keyNames;
    std::ranges::shuffle(unbound, random);
    std::vector<std::string_view> bindable;
    std::ranges::transform(GameKeys, std::back_inserter(bindable), &GameKey::name);
    std::ranges::transform(platform::PlayerKeys, std::back_inserter(bindable),
                           &platform::PlayerKey::name);
    for (const std::string_view name : bindable) {
        const int count = within(-3, 60);
        for (int i = 0; i < count && !unbound.empty(); ++i) {
            s.keys[std::string(name)].push_back(unbound.back());
            unbound.pop_back();
        }
    }
    return s;
}

TEST(SettingsText, AnySettingsReadBackAsWritten) {
    const std::vector<std::string> keyNames = allKeyNames();
    ASSERT_GT(keyNames.size(), 200u);
    std::mt19937 random(20261207);
    std::size_t longestLine = 0;
    for (int round = 0; round < 300; ++round) {
        const Settings written = randomSettings(random, keyNames);
        const std::string text = settingsText(written);
        const SettingsText read = parseSettings(text);
        ASSERT_EQ(read.damage, "") << text;
        ASSERT_EQ(read.settings, written) << text;
        for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
            end = text.find('\n', start);
            longestLine = std::max(longestLine, end - start);
        }
    }
    EXPECT_GT(longestLine, 500u) << "long key lists were tried";
}

// Other versions of the game read it: its text stays as it was written.
TEST(SettingsText, TheTextIsWrittenInTheFilesOwnOrder) {
    Settings s;
    s.windowWidth = 800;
    s.windowHeight = 600;
    s.windowX = -5;
    s.windowY = 7;
    s.keys["Mute"] = {"F9"};
    s.keys["Left"] = {"A", "Keypad ,"};
    const std::string text = settingsText(s);
    EXPECT_EQ(text.substr(text.find("[window]")),
              "[window]\nfullscreen = true\ninteger_scale = false\nscaling = sharp\nwidth = 800\n"
              "height = 600\nx = -5\ny = 7\n\n[sound]\nvolume = 100\nmuted = false\n\n"
              "[progress]\nfurthest_stage = 1\n\n[view]\ntimer = false\nghost = none\n\n"
              "[keys]\nLeft = A, \"Keypad ,\"\nMute = F9\n");
}

// Values past the bounds are damage at reading and are brought within them at saving.
TEST(SettingsText, SizesAndPlacesAreHeldToTheirBounds) {
    const SettingsText past = parseSettings("[window]\n\nx = -32769\ny = 99999999999\n");
    EXPECT_EQ(past.damage, "3: [window] x = '-32769' is not a whole number from -32768 to 32767");
    EXPECT_EQ(past.settings, Settings{}) << "the default stands";
    EXPECT_EQ(
        parseSettings("[window]\nwidth = 5120\nheight = 3840\nx = -32768\ny = 32767\n").damage, "");
    EXPECT_EQ(parseSettings("[window]\nwidth = 1280\nx = 5\n").settings, Settings{})
        << "half a size or a place is none";

    Settings huge;
    huge.windowWidth = 10000;
    huge.windowHeight = 10000;
    huge.windowX = 100000;
    huge.windowY = -100000;
    const SettingsText saved = parseSettings(settingsText(huge));
    EXPECT_EQ(saved.damage, "");
    EXPECT_EQ(saved.settings, withinBounds(huge));
    EXPECT_EQ(saved.settings.windowWidth, MaxWindowWidth);
    EXPECT_EQ(saved.settings.windowY, MinWindowPosition);
}

// The first bad line is named by its number; what could be read is kept.
TEST(SettingsText, DamageIsNamedByItsLineWithValuesEscaped) {
    const SettingsText read = parseSettings(
        "[window]\nfullscreen = false\n[sound]\nvolume = loud\n[keys]\n"
        "Left = Nosuchkey\nRight = D\ngarbage\n");
    EXPECT_EQ(read.damage, "4: [sound] volume = 'loud' is not a whole number from 0 to 100");
    EXPECT_FALSE(read.settings.fullScreen);
    EXPECT_EQ(read.settings.volume, 100);
    EXPECT_FALSE(read.settings.keys.contains("Left"));
    EXPECT_EQ(read.settings.keys.at("Right"), (std::vector<std::string>{"D"}));

    for (const auto& [text, message] : {
             std::pair{"[window]\nwidth = 0\n",
                       "2: [window] width = '0' is not a whole number from 1 to 5120"},
             std::pair{"[keys]\nUp = \"Keypad ,\" A\n",
                       "2: [keys] Up = '\"Keypad ,\" A' has a quoted key name that does not end "
                       "where its name does"},
             std::pair{"[window]\r\nfullscreen = maybe\r\n",
                       "2: [window] fullscreen = 'maybe' is not true or false"},
             std::pair{"[window]\nscaling = smooth\n",
                       "2: [window] scaling = 'smooth' is not sharp or nearest"},
             std::pair{"[view]\nghost = fastest\n",
                       "2: [view] ghost = 'fastest' is not best or none"},
             std::pair{"[nosuchsection]\nx = 1\n", "2: [nosuchsection] x = '1' is not a setting"},
             std::pair{"[keys]\nJump = Space\n", "2: [keys] Jump = 'Space' is not a setting"},
             std::pair{"[keys]\nUp = W,\n", "2: [keys] Up = 'W,' names no key: ''"},
             std::pair{"[window\n", "1: '[window' is not a setting"},
             std::pair{"# fine\n\ngarbage\n", "3: 'garbage' is not a setting"},
             std::pair{"[keys]\nLeft = A\nRight = Space, a\n",
                       "3: [keys] Right = 'Space, a' binds A, which stands for Left already"},
         }) {
        EXPECT_EQ(parseSettings(text).damage, message) << text;
    }
    const std::string withNul("[sound]\nvolume = 5\0 junk\n", 24);
    EXPECT_EQ(parseSettings(withNul).damage, "2: the line holds a NUL byte");

    const SettingsText hostile = parseSettings("[keys]\nUp = \x1b]0;PWNED\a\x1b[2J\n");
    EXPECT_EQ(hostile.damage,
              "2: [keys] Up = '\\x1b]0;PWNED\\x07\\x1b[2J' names no key: "
              "'\\x1b]0;PWNED\\x07\\x1b[2J'");
    const SettingsText long_ = parseSettings("[sound]\nvolume = " + std::string(5000, '9') + "\n");
    EXPECT_LT(long_.damage.size(), 200u) << "a huge value is cut in the message";

    const SettingsText spelt =
        parseSettings("[window]\nfullscreen = no\n[keys]\nUp = w, keypad 8, W\n; c\n");
    EXPECT_EQ(spelt.damage, "");
    EXPECT_EQ(spelt.settings.keys.at("Up"), (std::vector<std::string>{"W", "Keypad 8"}))
        << "spelt as SDL spells them, each once";
}

// Only a regular file of at most 64 KiB is read, opened without waiting: anything else is named
// with its reason, and the defaults stand. Only a regular file is replaced.
TEST_F(SettingsFileTest, OnlyARegularFileOfBoundedSizeIsReadOrReplaced) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    SettingsFile fifo = readSettings(path);
    EXPECT_EQ(fifo.damage, path.string() + " cannot be read: it is a FIFO, not a file");
    EXPECT_EQ(fifo.settings, Settings{});
    std::string error;
    EXPECT_FALSE(writeSettings(fifo, Settings{}, error));
    EXPECT_EQ(error, path.string() + " is not a regular file, and only one is replaced");
    fs::remove(path);

    fs::create_symlink("/dev/zero", path);
    EXPECT_EQ(readSettings(path).damage,
              path.string() + " cannot be read: it is a device, not a file");
    fs::remove(path);

    fs::create_directory(path);
    EXPECT_EQ(readSettings(path).damage,
              path.string() + " cannot be read: it is a folder, not a file");
    fs::remove(path);

    put(std::string(MaxSettingsBytes + 1, '#'));
    EXPECT_EQ(readSettings(path).damage,
              path.string() + " cannot be read: it is larger than 65536 bytes");
    put(std::string(MaxSettingsBytes - 1, '#') + "\n");
    EXPECT_EQ(readSettings(path).damage, "");
}

// Through a symbolic link (a dotfile manager's), the link's target is replaced and the link
// stays, with its mode; a damaged file is kept aside beside its target.
TEST_F(SettingsFileTest, ASymbolicLinkStaysALink) {
    const fs::path kept = folder / "dotfiles" / "settings.ini";
    fs::create_directories(kept.parent_path());
    std::ofstream(kept) << "[sound]\nvolume = loud\n";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(kept, path);
    const SettingsFile read = readSettings(path);
    ASSERT_NE(read.damage, "");
    Settings quieter;
    quieter.volume = 20;
    std::string error;
    ASSERT_TRUE(writeSettings(read, quieter, error)) << error;
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readSettings(path).settings, quieter);
    EXPECT_EQ(contents(kept.string() + ".damaged"), "[sound]\nvolume = loud\n");
}

// What could not be read is kept aside, never overwritten, once the new file is written.
TEST_F(SettingsFileTest, ADamagedFileIsSetAsideOnlyAfterTheNewOneIsWritten) {
    const std::string damaged = "# mine\n[sound]\nvolume = loud\n";
    put(damaged);
    SettingsFile read = readSettings(path);
    std::string error;
    ASSERT_TRUE(writeSettings(read, read.settings, error)) << error;
    EXPECT_EQ(contents(path.string() + ".damaged"), damaged);
    EXPECT_EQ(readSettings(path).damage, "");
    put(damaged);
    ASSERT_TRUE(writeSettings(read, read.settings, error)) << error;
    EXPECT_EQ(contents(path.string() + ".damaged.2"), damaged);
    EXPECT_EQ(contents(path.string() + ".damaged"), damaged);

    // A disk too full for the new file: everything stays as it was, and the reason is given.
    fs::remove(path.string() + ".damaged");
    fs::remove(path.string() + ".damaged.2");
    put(damaged);
    read = readSettings(path);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeSettings(read, Settings{}, error);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "cannot write the settings file " + path.string() + ": File too large");
    EXPECT_EQ(contents(path), damaged);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"settings.ini"});
}

TEST_F(SettingsFileTest, WritesReplaceTheFileWholeOrNotAtAll) {
    put("[sound]\nvolume = 10\n");
    std::ifstream old(path);
    Settings louder;
    louder.volume = 90;
    std::string error;
    ASSERT_TRUE(writeSettings(readSettings(path), louder, error)) << error;
    EXPECT_EQ(std::string(std::istreambuf_iterator(old.rdbuf()), {}), "[sound]\nvolume = 10\n");
    EXPECT_EQ(readSettings(path).settings.volume, 90);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"settings.ini"});

    const fs::path blocked = folder / "a-file" / "settings.ini";
    std::ofstream(folder / "a-file") << "in the way";
    EXPECT_FALSE(writeSettings(readSettings(blocked), louder, error));
    EXPECT_NE(error.find("a-file"), std::string::npos) << error;
}

TEST_F(SettingsFileTest, LivesUnderTheXdgConfigFolderOrTheHomeFolder) {
    const ScopedEnv home{"HOME", "/home/player"};
    {
        const ScopedEnv config{"XDG_CONFIG_HOME", "/xdg"};
        EXPECT_EQ(settingsPath(), fs::path("/xdg/tilebounce/settings.ini"));
    }
    for (const char* ignored : {"relative", static_cast<const char*>(nullptr)}) {
        const ScopedEnv config{"XDG_CONFIG_HOME", ignored};
        EXPECT_EQ(settingsPath(), fs::path("/home/player/.config/tilebounce/settings.ini"));
    }
    const ScopedEnv noHome{"HOME", nullptr};
    const ScopedEnv noConfig{"XDG_CONFIG_HOME", nullptr};
    EXPECT_EQ(settingsPath(), fs::path());
}

}  // namespace

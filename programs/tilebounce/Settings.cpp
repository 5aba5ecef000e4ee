#include "programs/tilebounce/Settings.h"

#include <ini.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "keyscript/GameKeys.h"
#include "platform/KeyNames.h"
#include "platform/OutputFile.h"

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == text.npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool readFlag(std::string_view value, bool& flag) {
    for (std::string_view yes : {"true", "yes", "on", "1"}) {
        if (value == yes) {
            flag = true;
            return true;
        }
    }
    for (std::string_view no : {"false", "no", "off", "0"}) {
        if (value == no) {
            flag = false;
            return true;
        }
    }
    return false;
}

bool readScaling(std::string_view value, platform::Scaling& scaling) {
    const std::optional<platform::Scaling> named = platform::scalingNamed(value);
    scaling = named.value_or(scaling);
    return named.has_value();
}

bool readNumber(std::string_view value, int low, int high, int& number) {
    int read = 0;
    const char* end = value.data() + value.size();
    const auto [stop, failure] = std::from_chars(value.data(), end, read);
    if (value.empty() || failure != std::errc{} || stop != end || read < low || read > high) {
        return false;
    }
    number = read;
    return true;
}

bool readPosition(std::string_view value, std::optional<int>& position) {
    int read = 0;
    if (!readNumber(value, -100'000, 100'000, read)) {
        return false;
    }
    position = read;
    return true;
}

// "Left, A" → {"Left", "A"}, each checked and spelt as SDL spells it. The game key keeps its own
// keys when any name is not known.
bool readKeyList(std::string_view value, std::string_view gameKey,
                 std::map<std::string, std::vector<std::string>>& bindings) {
    std::vector<std::string> read;
    while (true) {
        const std::size_t comma = value.find(',');
        const std::string name = platform::canonicalKeyName(trimmed(value.substr(0, comma)));
        if (name.empty()) {
            return false;
        }
        read.push_back(name);
        if (comma == value.npos) {
            break;
        }
        value.remove_prefix(comma + 1);
    }
    bindings[std::string(gameKey)] = std::move(read);
    return true;
}

struct Reading {
    Settings& settings;
    std::string problem;  // the first one
};

bool take(Settings& s, std::string_view section, std::string_view name, std::string_view value) {
    if (section == "window") {
        if (name == "fullscreen")
            return readFlag(value, s.fullScreen);
        if (name == "integer_scale")
            return readFlag(value, s.integerScale);
        if (name == "scaling")
            return readScaling(value, s.scaling);
        if (name == "width")
            return readNumber(value, 1, 100'000, s.windowWidth);
        if (name == "height")
            return readNumber(value, 1, 100'000, s.windowHeight);
        if (name == "x")
            return readPosition(value, s.windowX);
        if (name == "y")
            return readPosition(value, s.windowY);
    } else if (section == "sound") {
        if (name == "volume")
            return readNumber(value, 0, 100, s.volume);
    } else if (section == "keys" && gameKeyNamed(name) != 0) {
        return readKeyList(value, name, s.keys);
    }
    return false;
}

int handle(void* user, const char* section, const char* name, const char* value) {
    auto& reading = *static_cast<Reading*>(user);
    if (take(reading.settings, section, name, value)) {
        return 1;
    }
    if (reading.problem.empty()) {
        reading.problem =
            std::string("[") + section + "] " + name + " = " + value + " is not understood";
    }
    return 0;
}

std::string text(const Settings& s) {
    std::string out =
        "# tilebounce's settings, rewritten by the game when the player changes one (comments\n"
        "# are not kept). Key bindings: a game key = SDL key names, separated by commas.\n"
        "[window]\n";
    out += std::string("fullscreen = ") + (s.fullScreen ? "true" : "false") + "\n";
    out += std::string("integer_scale = ") + (s.integerScale ? "true" : "false") + "\n";
    out += "scaling = " + std::string(platform::scalingName(s.scaling)) + "\n";
    if (s.windowWidth > 0 && s.windowHeight > 0) {
        out += "width = " + std::to_string(s.windowWidth) + "\n";
        out += "height = " + std::to_string(s.windowHeight) + "\n";
    }
    if (s.windowX && s.windowY) {
        out += "x = " + std::to_string(*s.windowX) + "\n";
        out += "y = " + std::to_string(*s.windowY) + "\n";
    }
    out += "\n[sound]\nvolume = " + std::to_string(s.volume) + "\n\n[keys]\n";
    for (const GameKey& key : GameKeys) {
        const auto bound = s.keys.find(std::string(key.name));
        if (bound != s.keys.end()) {
            out += std::string(key.name) + " =";
            for (std::size_t i = 0; i < bound->second.size(); ++i) {
                out += (i == 0 ? " " : ", ") + bound->second[i];
            }
            out += "\n";
        }
    }
    return out;
}

std::string systemError(const std::string& what, const std::filesystem::path& path) {
    return what + " " + path.string() + ": " + std::strerror(errno);
}

bool setAside(const std::filesystem::path& path, std::string& error) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) {
        return true;
    }
    std::filesystem::path aside = path.string() + ".damaged";
    for (int n = 2; std::filesystem::exists(aside, missing); ++n) {
        aside = path.string() + ".damaged." + std::to_string(n);
    }
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        error = systemError("cannot rename the damaged settings file", path);
        return false;
    }
    return true;
}

}  // namespace

std::filesystem::path settingsPath() {
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return base / "tilebounce" / "settings.ini";
}

SettingsFile readSettings(const std::filesystem::path& path) {
    SettingsFile file;
    file.path = path;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return file;
    }
    Reading reading{file.settings, {}};
    const int result = ini_parse(path.c_str(), &handle, &reading);
    if (result < 0) {
        file.damage = path.string() + ": cannot be read";
    } else if (result > 0) {
        file.damage = path.string() + ":" + std::to_string(result) + ": " +
                      (reading.problem.empty() ? "not a setting" : reading.problem);
    }
    return file;
}

bool writeSettings(const SettingsFile& read, const Settings& settings, std::string& error) {
    const std::filesystem::path& path = read.path;
    std::error_code made;
    std::filesystem::create_directories(path.parent_path(), made);
    if (made) {
        error = "cannot make the folder " + path.parent_path().string() + ": " + made.message();
        return false;
    }
    // Written beside it under another name, which also shows the folder can be written, before
    // a damaged file is set aside (kept, whatever happens next) and the new one takes its place.
    OutputFile file(path.string(), "the settings file");
    if (!file.open(error)) {
        return false;
    }
    std::fputs(text(settings).c_str(), file.stream());
    if (!read.damage.empty() && !setAside(path, error)) {
        return false;
    }
    return file.complete(error);
}

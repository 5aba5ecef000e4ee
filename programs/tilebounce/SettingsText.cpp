#include "programs/tilebounce/SettingsText.h"

#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "commandline/CommandLine.h"
#include "game/RunGame.h"
#include "keyscript/GameKeys.h"
#include "platform/KeyNames.h"
#include "platform/PlayerKeys.h"
#include "platform/QuotedText.h"

namespace {

// One line of the file as SimpleIni reads it alone: a section's head, a setting, or neither.
struct IniLine {
    enum class Kind { Nothing, Section, Setting, Malformed } kind = Kind::Nothing;
    std::string section;
    std::string name;
    std::string value;
};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == text.npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

IniLine readIniLine(std::string_view line) {
    CSimpleIniA ini;
    if (ini.LoadData(line.data(), line.size()) >= 0) {
        CSimpleIniA::TNamesDepend sections;
        ini.GetAllSections(sections);
        for (const CSimpleIniA::Entry& section : sections) {
            CSimpleIniA::TNamesDepend names;
            ini.GetAllKeys(section.pItem, names);
            if (names.empty()) {
                return {IniLine::Kind::Section, section.pItem, {}, {}};
            }
            const char* name = names.front().pItem;
            return {IniLine::Kind::Setting, {}, name, ini.GetValue(section.pItem, name, "")};
        }
    }
    const std::string_view text = trimmed(line);
    const bool nothing = text.empty() || text.starts_with(';') || text.starts_with('#');
    return {nothing ? IniLine::Kind::Nothing : IniLine::Kind::Malformed, {}, {}, {}};
}

std::string inQuotes(std::string_view text) {
    // Built by appending: mingw's GCC 12 warns, wrongly, of an overlap in "'" + a temporary.
    std::string quoted(1, '\'');
    quoted += quotedForMessage(text);
    quoted += '\'';
    return quoted;
}

bool readFlag(std::string_view value, bool& flag, std::string& problem) {
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
    problem = "is not true or false";
    return false;
}

bool readScaling(std::string_view value, platform::Scaling& scaling, std::string& problem) {
    const std::optional<platform::Scaling> named = platform::scalingNamed(value);
    if (!named) {
        problem = "is not sharp or nearest";
        return false;
    }
    scaling = *named;
    return true;
}

// The line's damage names the value itself.
bool readNumber(std::string_view value, int low, int high, int& number, std::string& problem) {
    const std::optional<int> read = wholeNumberIn(value, low, high);
    if (!read) {
        problem =
            "is not a whole number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    number = *read;
    return true;
}

bool readPosition(std::string_view value, std::optional<int>& position, std::string& problem) {
    int read = 0;
    if (!readNumber(value, MinWindowPosition, MaxWindowPosition, read, problem)) {
        return false;
    }
    position = read;
    return true;
}

// The game key a key name already stands for, if any.
const std::string* boundTo(const Settings& s, const std::string& keyName) {
    for (const auto& [gameKey, names] : s.keys) {
        if (std::find(names.begin(), names.end(), keyName) != names.end()) {
            return &gameKey;
        }
    }
    return nullptr;
}

// The names of a key list: separated by commas, each trimmed; a name that holds a comma itself
// ("Keypad ,") in double quotes. Nothing when a quote is not closed or is followed by more.
std::optional<std::vector<std::string_view>> splitKeyList(std::string_view value) {
    std::vector<std::string_view> names;
    while (true) {
        value = trimmed(value);
        std::size_t comma = 0;
        if (value.starts_with('"')) {
            const std::size_t closing = value.find('"', 1);
            if (closing == value.npos) {
                return std::nullopt;
            }
            names.push_back(value.substr(1, closing - 1));
            value.remove_prefix(closing + 1);
            value = trimmed(value);
            if (!value.empty() && !value.starts_with(',')) {
                return std::nullopt;
            }
            comma = value.empty() ? value.npos : 0;
        } else {
            comma = value.find(',');
            names.push_back(trimmed(value.substr(0, comma)));
        }
        if (comma == value.npos) {
            return names;
        }
        value.remove_prefix(comma + 1);
    }
}

// A key name as a list holds it.
std::string listed(const std::string& name) {
    return name.find(',') == name.npos ? name : "\"" + name + "\"";
}

// "Left, A" → {"Left", "A"}, each checked, spelt as SDL spells it and listed once. A key stands
// for one game key only: a poll reports it as that one. The game key keeps its own keys when
// any name is not taken.
bool readKeyList(std::string_view value, const std::string& gameKey, Settings& s,
                 std::string& problem) {
    const auto given = splitKeyList(value);
    if (!given) {
        problem = "has a quoted key name that does not end where its name does";
        return false;
    }
    std::vector<std::string> read;
    for (const std::string_view each : *given) {
        const std::string name = platform::canonicalKeyName(each);
        if (name.empty()) {
            problem = "names no key: " + inQuotes(each);
            return false;
        }
        if (const std::string* other = boundTo(s, name); other != nullptr && *other != gameKey) {
            problem = "binds " + name + ", which stands for " + *other + " already";
            return false;
        }
        if (std::find(read.begin(), read.end(), name) == read.end()) {
            read.push_back(name);
        }
    }
    s.keys[gameKey] = std::move(read);
    return true;
}

// Takes one setting; false, with what is wrong in `problem`, leaves it at what it was.
bool take(Settings& s, std::string_view section, const IniLine& line, std::string& problem) {
    const std::string_view value = line.value;
    problem = "is not a setting";
    if (section == "window") {
        if (line.name == "fullscreen")
            return readFlag(value, s.fullScreen, problem);
        if (line.name == "integer_scale")
            return readFlag(value, s.integerScale, problem);
        if (line.name == "scaling")
            return readScaling(value, s.scaling, problem);
        if (line.name == "width")
            return readNumber(value, 1, MaxWindowWidth, s.windowWidth, problem);
        if (line.name == "height")
            return readNumber(value, 1, MaxWindowHeight, s.windowHeight, problem);
        if (line.name == "x")
            return readPosition(value, s.windowX, problem);
        if (line.name == "y")
            return readPosition(value, s.windowY, problem);
    } else if (section == "sound") {
        if (line.name == "volume")
            return readNumber(value, 0, 100, s.volume, problem);
        if (line.name == "muted")
            return readFlag(value, s.muted, problem);
    } else if (section == "progress") {
        if (line.name == "furthest_stage")
            return readNumber(value, FirstStage, LastStage, s.furthestStage, problem);
    } else if (section == "keys" &&
               (gameKeyNamed(line.name) != 0 ||
                platform::playerActionNamed(line.name) != platform::PlayerAction::None)) {
        return readKeyList(value, line.name, s, problem);
    }
    return false;
}

// Reads one line into `s`, or the section it opens into `section`; what is wrong with it, or
// nothing.
std::string readLine(std::string_view line, std::string& section, Settings& s) {
    if (line.find('\0') != line.npos) {
        return "the line holds a NUL byte";
    }
    const IniLine ini = readIniLine(line);
    switch (ini.kind) {
        case IniLine::Kind::Nothing:
            return {};
        case IniLine::Kind::Section:
            section = ini.section;
            return {};
        case IniLine::Kind::Malformed:
            return inQuotes(line) + " is not a setting";
        case IniLine::Kind::Setting:
            break;
    }
    std::string problem;
    if (take(s, section, ini, problem)) {
        return {};
    }
    std::string setting(1, '[');
    setting += quotedForMessage(section) + "] " + quotedForMessage(ini.name) + " = ";
    return setting + inQuotes(ini.value) + " " + problem;
}

// The text's lines, ended as SimpleIni ends them: by "\n", "\r\n" or a lone "\r".
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.push_back(text.substr(0, end));
        std::size_t next = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++next;
        }
        text.remove_prefix(std::min(next, text.size()));
    }
    return lines;
}

}  // namespace

SettingsText parseSettings(std::string_view text) {
    SettingsText read;
    std::string section;
    std::size_t number = 0;
    for (const std::string_view line : linesOf(text)) {
        ++number;
        const std::string problem = readLine(line, section, read.settings);
        if (!problem.empty() && read.damage.empty()) {
            read.damage = std::to_string(number) + ": " + problem;
        }
    }
    read.settings = withinBounds(read.settings);
    return read;
}

std::string settingsText(const Settings& settings) {
    const Settings s = withinBounds(settings);
    std::string out =
        "# tilebounce's settings, rewritten by the game when the player changes one (comments\n"
        "# are not kept). Key bindings: a game key = SDL key names, separated by commas (a name\n"
        "# with a comma in double quotes).\n"
        "[window]\n";
    out += std::string("fullscreen = ") + (s.fullScreen ? "true" : "false") + "\n";
    out += std::string("integer_scale = ") + (s.integerScale ? "true" : "false") + "\n";
    out += "scaling = ";
    out += platform::scalingName(s.scaling);
    out += "\n";
    if (s.windowWidth > 0 && s.windowHeight > 0) {
        out += "width = " + std::to_string(s.windowWidth) + "\n";
        out += "height = " + std::to_string(s.windowHeight) + "\n";
    }
    if (s.windowX && s.windowY) {
        out += "x = " + std::to_string(*s.windowX) + "\n";
        out += "y = " + std::to_string(*s.windowY) + "\n";
    }
    out += "\n[sound]\nvolume = " + std::to_string(s.volume) + "\n";
    out += std::string("muted = ") + (s.muted ? "true" : "false") + "\n";
    out += "\n[progress]\nfurthest_stage = " + std::to_string(s.furthestStage) + "\n\n[keys]\n";
    const auto writeKeys = [&out, &s](std::string_view name) {
        const auto bound = s.keys.find(std::string(name));
        if (bound != s.keys.end()) {
            out += std::string(name) + " =";
            for (std::size_t i = 0; i < bound->second.size(); ++i) {
                out += (i == 0 ? " " : ", ") + listed(bound->second[i]);
            }
            out += "\n";
        }
    };
    for (const GameKey& key : GameKeys) {
        writeKeys(key.name);
    }
    for (const platform::PlayerKey& key : platform::PlayerKeys) {
        writeKeys(key.name);
    }
    return out;
}

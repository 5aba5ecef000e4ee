#include "programs/tilebounce/SettingsText.h"

#include <algorithm>
#include <optional>
#include <type_traits>
#include <vector>

#include "commandline/CommandLine.h"
#include "platform/files/QuotedText.h"
#include "platform/sdl/keys/KeyNames.h"
#include "programs/tilebounce/SettingsTable.h"

namespace {

// One line of the file: a section's head, a setting, or nothing (blank, or a comment).
struct IniLine {
    enum class Kind { Nothing, Section, Setting, Malformed } kind = Kind::Nothing;
    std::string_view section = {};
    std::string_view key = {};
    std::string_view value = {};
};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == text.npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "[section]" (what follows the bracket is ignored), "key = value" (each trimmed), or a comment
// that starts with ';' or '#'.
IniLine readIniLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.starts_with(';') || text.starts_with('#')) {
        return {};
    }
    if (text.starts_with('[')) {
        const std::size_t closing = text.find(']');
        if (closing == text.npos) {
            return {.kind = IniLine::Kind::Malformed};
        }
        return {.kind = IniLine::Kind::Section, .section = trimmed(text.substr(1, closing - 1))};
    }
    const std::size_t equals = text.find('=');
    if (equals == text.npos || equals == 0) {
        return {.kind = IniLine::Kind::Malformed};
    }
    return {.kind = IniLine::Kind::Setting,
            .key = trimmed(text.substr(0, equals)),
            .value = trimmed(text.substr(equals + 1))};
}

std::string inQuotes(std::string_view text) {
    // Built by appending: mingw's GCC 12 warns, wrongly, of an overlap in "'" + a temporary.
    std::string quoted(1, '\'');
    quoted += quotedForMessage(text);
    quoted += '\'';
    return quoted;
}

std::optional<bool> ghostNamed(std::string_view name) {
    if (name == "best" || name == "none") {
        return name == "best";
    }
    return std::nullopt;
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
    problem = notOneOf(value, "true or false");
    return false;
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
        problem = inQuotes(value) + " has a quoted key name that does not end where its name does";
        return false;
    }
    std::vector<std::string> read;
    for (const std::string_view each : *given) {
        const std::string name = platform::canonicalKeyName(each);
        if (name.empty()) {
            problem = inQuotes(value) + " names no key: " + inQuotes(each);
            return false;
        }
        if (const std::string* other = boundTo(s, name); other != nullptr && *other != gameKey) {
            problem =
                inQuotes(value) + " binds " + name + ", which stands for " + *other + " already";
            return false;
        }
        if (std::find(read.begin(), read.end(), name) == read.end()) {
            read.push_back(name);
        }
    }
    s.keys[gameKey] = std::move(read);
    return true;
}

// Reads the setting of `row` from `value`; false, with what is wrong in `problem` (the value
// quoted first), leaves it as it was.
bool readSetting(const SettingRow& row, std::string_view value, Settings& s, std::string& problem) {
    return std::visit(
        [&](const auto& kind) {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, FlagField>) {
                return readFlag(value, s.*kind.field, problem);
            } else if constexpr (std::is_same_v<Kind, ScalingField>) {
                return oneOf(s.*kind.field, platform::scalingNamed, "sharp or nearest")(value,
                                                                                        problem);
            } else if constexpr (std::is_same_v<Kind, GhostField>) {
                return oneOf(s.*kind.field, ghostNamed, "best or none")(value, problem);
            } else if constexpr (std::is_same_v<Kind, KeyListField>) {
                return readKeyList(value, std::string(row.key), s, problem);
            } else if constexpr (std::is_same_v<Kind, NumberField>) {
                return readWholeNumber(value, kind.low, kind.high, s.*kind.field, problem);
            } else {
                int number = 0;
                if (!readWholeNumber(value, kind.low, kind.high, number, problem)) {
                    return false;
                }
                (s.*kind.field).emplace(number);
                return true;
            }
        },
        row.field);
}

// The setting's value as the file holds it; nothing when it is left out.
std::optional<std::string> writtenSetting(const SettingRow& row, const Settings& s) {
    return std::visit(
        [&](const auto& kind) -> std::optional<std::string> {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, FlagField>) {
                return s.*kind.field ? "true" : "false";
            } else if constexpr (std::is_same_v<Kind, ScalingField>) {
                return std::string(platform::scalingName(s.*kind.field));
            } else if constexpr (std::is_same_v<Kind, GhostField>) {
                return s.*kind.field ? "best" : "none";
            } else if constexpr (std::is_same_v<Kind, NumberField>) {
                if (kind.zeroIsNone && s.*kind.field == 0) {
                    return std::nullopt;
                }
                return std::to_string(s.*kind.field);
            } else if constexpr (std::is_same_v<Kind, OptionalNumberField>) {
                const std::optional<int>& number = s.*kind.field;
                return number ? std::optional(std::to_string(*number)) : std::nullopt;
            } else {
                const std::vector<std::string>* keys = boundKeys(s, row.key);
                if (keys == nullptr) {
                    return std::nullopt;
                }
                std::string list;
                for (const std::string& name : *keys) {
                    list += (list.empty() ? "" : ", ") + listed(name);
                }
                return list;
            }
        },
        row.field);
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
    const SettingRow* row = settingRowAt(section, ini.key);
    if (row == nullptr) {
        problem = inQuotes(ini.value) + " is not a setting";
    } else if (readSetting(*row, ini.value, s, problem)) {
        return {};
    }
    std::string setting(1, '[');
    setting += quotedForMessage(section) + "] " + quotedForMessage(ini.key) + " = ";
    return setting + problem;
}

// The text's lines, ended by "\n", "\r\n" or a lone "\r".
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
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);  // a UTF-8 signature, as some editors write
    }
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
        "# with a comma in double quotes).\n";
    std::string_view section;
    for (const SettingRow& row : settingRows()) {
        if (row.section != section) {
            out += section.empty() ? "[" : "\n[";
            section = row.section;
            out += std::string(section) + "]\n";
        }
        if (const std::optional<std::string> value = writtenSetting(row, s)) {
            out += std::string(row.key) + " =" + (value->empty() ? "" : " ") + *value + "\n";
        }
    }
    return out;
}

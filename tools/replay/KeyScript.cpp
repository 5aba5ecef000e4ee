#include "tools/replay/KeyScript.h"

#include <array>
#include <charconv>
#include <sstream>
#include <string_view>

#include "platform/VirtualKeys.h"

namespace {

struct KeyName {
    std::string_view name;
    int vk;
};

constexpr std::array<KeyName, 7> keyNames = {{
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"Left", VK_LEFT},
    {"Up", VK_UP},
    {"Right", VK_RIGHT},
    {"Down", VK_DOWN},
}};

bool parseCount(const std::string& word, std::uint64_t& count, std::string& problem) {
    const char* end = word.data() + word.size();
    const auto [stop, failure] = std::from_chars(word.data(), end, count);
    if (failure != std::errc{} || stop != end || count == 0) {
        problem = "the count '" + word + "' is not a whole number of at least 1";
        return false;
    }
    return true;
}

bool parseKeys(const std::string& word, std::vector<int>& keys, std::string& problem) {
    if (word == "-") {
        return true;
    }
    std::string_view rest = word;
    while (true) {
        const std::size_t plus = rest.find('+');
        const std::string_view name = rest.substr(0, plus);
        bool known = false;
        for (const KeyName& key : keyNames) {
            if (key.name == name) {
                keys.push_back(key.vk);
                known = true;
            }
        }
        if (!known) {
            problem = "unknown key '" + std::string(name) +
                      "' (keys are -, or Enter, Escape, Space, Left, Up, Right, Down joined by +)";
            return false;
        }
        if (plus == std::string_view::npos) {
            return true;
        }
        rest.remove_prefix(plus + 1);
    }
}

bool parseLine(const std::string& text, KeyScriptLine& line, std::string& problem) {
    std::istringstream words(text);
    std::string count;
    std::string keys;
    std::string extra;
    words >> count >> keys;
    if (keys.empty()) {
        problem = "expected COUNT KEYS";
        return false;
    }
    if (words >> extra) {
        problem = "unexpected '" + extra + "' after the keys";
        return false;
    }
    return parseCount(count, line.count, problem) && parseKeys(keys, line.keys, problem);
}

bool ignored(const std::string& text) {
    return text.find_first_not_of(" \t\r") == std::string::npos || text.front() == '#';
}

}  // namespace

bool parseKeyScript(std::istream& in, KeyScript& script, std::string& error) {
    std::string text;
    for (std::uint64_t number = 1; std::getline(in, text); ++number) {
        if (ignored(text)) {
            continue;
        }
        KeyScriptLine line;
        std::string problem;
        if (!parseLine(text, line, problem)) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
        script.lines.push_back(std::move(line));
    }
    return true;
}

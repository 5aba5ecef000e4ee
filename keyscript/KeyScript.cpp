#include "keyscript/KeyScript.h"

#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "commandline/CommandLine.h"
#include "keyscript/GameKeys.h"
#include "platform/files/QuotedText.h"

namespace {

constexpr char TapMark = '*';
constexpr std::string_view Blanks = " \t\r\v\f";

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t start = text.find_first_not_of(Blanks);
        if (start == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find_first_of(Blanks), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

bool parseCount(std::string_view word, std::uint32_t& count, std::string& problem) {
    std::uint64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, failure] = std::from_chars(word.data(), end, value);
    if (failure == std::errc::result_out_of_range ||
        (failure == std::errc{} && stop == end && value > MaxKeyScriptCount)) {
        problem = "the count '" + quotedForMessage(word) + "' is out of range (at most " +
                  std::to_string(MaxKeyScriptCount) + ")";
        return false;
    }
    if (failure != std::errc{} || stop != end || value == 0) {
        problem = "the count '" + quotedForMessage(word) + "' is not a whole number of at least 1";
        return false;
    }
    count = static_cast<std::uint32_t>(value);
    return true;
}

bool parseKey(std::string_view name, KeyScriptLine& line, std::string& problem) {
    const std::string_view written = name;
    const bool tapped = name.ends_with(TapMark);
    if (tapped) {
        name.remove_suffix(1);
    }
    for (std::size_t i = 0; i < GameKeys.size(); ++i) {
        if (GameKeys[i].name == name) {
            (tapped ? line.tapped : line.held) |= static_cast<std::uint8_t>(1u << i);
            return true;
        }
    }
    problem = "unknown key '" + quotedForMessage(written) +
              "' (keys are -, or Enter, Escape, Space, Left, Up, Right, Down joined by +)";
    return false;
}

bool parseKeys(std::string_view word, KeyScriptLine& line, std::string& problem) {
    if (word == "-") {
        return true;
    }
    while (true) {
        const std::size_t plus = word.find('+');
        if (!parseKey(word.substr(0, plus), line, problem)) {
            return false;
        }
        if (plus == std::string_view::npos) {
            // A key both held and tapped is simply down.
            line.tapped &= static_cast<std::uint8_t>(~line.held);
            return true;
        }
        word.remove_prefix(plus + 1);
    }
}

}  // namespace

LineMeaning parseKeyScriptLine(std::string_view text, KeyScriptLine& line, std::string& problem) {
    const std::vector<std::string_view> words = wordsOf(text.substr(0, text.find('#')));
    if (words.empty()) {
        return LineMeaning::Nothing;
    }
    if (words.size() == 1) {
        problem = "expected COUNT KEYS";
        return LineMeaning::Malformed;
    }
    if (words.size() > 2) {
        problem = "unexpected '" + quotedForMessage(words[2]) + "' after the keys";
        return LineMeaning::Malformed;
    }
    line = {};
    const bool wellFormed =
        parseCount(words[0], line.count, problem) && parseKeys(words[1], line, problem);
    return wellFormed ? LineMeaning::Polls : LineMeaning::Malformed;
}

std::string formatKeys(const KeyScriptLine& line) {
    std::string keys;
    for (std::size_t i = 0; i < GameKeys.size(); ++i) {
        const auto bit = static_cast<std::uint8_t>(1u << i);
        if (((line.held | line.tapped) & bit) != 0) {
            keys += keys.empty() ? "" : "+";
            keys += GameKeys[i].name;
            if ((line.tapped & bit) != 0) {
                keys += TapMark;
            }
        }
    }
    return keys.empty() ? "-" : keys;
}

std::string formatKeyScriptLine(const KeyScriptLine& line) {
    return std::to_string(line.count) + ' ' + formatKeys(line);
}

platform::KeyReport reportedKeys(const KeyScriptLine& line) {
    platform::KeyReport reported{};
    for (std::size_t i = 0; i < GameKeys.size(); ++i) {
        if (((line.held | line.tapped) >> i & 1u) != 0) {
            reported[static_cast<std::size_t>(GameKeys[i].vk)] = true;
        }
    }
    return reported;
}

KeyScriptLine linePolled(const platform::KeyReport& reported, const platform::KeyReport& tapped) {
    KeyScriptLine line{.count = 1};
    for (std::size_t i = 0; i < GameKeys.size(); ++i) {
        const auto vk = static_cast<std::size_t>(GameKeys[i].vk);
        if (reported[vk]) {
            (tapped[vk] ? line.tapped : line.held) |= static_cast<std::uint8_t>(1u << i);
        }
    }
    return line;
}

bool isStageLine(std::string_view text) {
    std::istringstream words{std::string(text.substr(0, text.find('#')))};
    std::string first;
    return (words >> first) && first == "stage";
}

bool parseStageLine(std::string_view text, std::int32_t& stage, std::string& problem) {
    std::istringstream words{std::string(text.substr(0, text.find('#')))};
    std::string word;
    std::string number;
    std::string extra;
    words >> word >> number;
    if (words >> extra) {
        problem = "unexpected '" + quotedForMessage(extra) + "' after the stage";
        return false;
    }
    int read = 0;
    if (!readWholeNumber(number, 1, 20, read, problem)) {  // the game's 20 stages
        problem = "the stage " + problem;
        return false;
    }
    stage = read;
    return true;
}

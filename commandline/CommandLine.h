#pragma once
// The command-line reader the programs share: long options, each a switch or taking one value
// (--name VALUE or --name=VALUE), words that are not options, and the --help and --version every
// program answers alike. Reading never prints: the caller gets the text for each stream.
#include <charconv>
#include <concepts>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct CommandLineOption {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // empty for a switch
    std::string_view help;
    // Takes the value (empty for a switch); false, with what is wrong in `problem`, refuses it.
    std::function<bool(std::string_view value, std::string& problem)> take;
};

struct ProgramDescription {
    std::string_view name;  // as the program is invoked, e.g. "tilebounce"
    std::string_view
        operands;              // after the options in the usage line, e.g. "[SCRIPT]"; may be empty
    std::string_view summary;  // one sentence
    std::string_view epilogue;  // after the options in --help (keys, files); may be empty
    std::vector<CommandLineOption> options;
    // Takes a word that is not an option; when empty, the program takes none.
    std::function<bool(std::string_view word, std::string& problem)> takeWord;
};

struct CommandLineResult {
    enum class Verdict { Run, Answered, Refused } verdict = Verdict::Run;
    std::string out;      // --help or --version's answer
    std::string err;      // one line naming what was refused, then the usage
    std::string program;  // the program's name, for a message when the answer cannot be written
    // The status to exit with when the program does not run: 0 after an answer, 2 after a refusal.
    int exitStatus() const { return verdict == Verdict::Refused ? 2 : 0; }
};

CommandLineResult readCommandLine(int argc, const char* const* argv,
                                  const ProgramDescription& program);

// A takeWord for a program that takes one word at most, kept in `word`; a second is refused as
// "more than one WHAT".
std::function<bool(std::string_view, std::string&)> atMostOneWord(std::optional<std::string>& word,
                                                                  std::string_view what);

// Empty, or a refusal when two of the paths given lead to one file, through any links: an
// output that is an input would destroy it, two outputs would overwrite each other. Each path
// comes with the option that gave it ("--trace"); empty paths and "-" are none.
std::string sameFileClash(
    std::initializer_list<std::pair<std::string_view, std::string_view>> optionPaths);

// The project's version, as --version gives it: "1.0.0".
std::string_view projectVersion();

// "NAME VERSION", the licence, and the SDL versions the program was built with and runs on, one
// a line.
std::string versionText(std::string_view programName);

// `value` as a whole number within [low, high]; nothing for anything else.
template <std::integral Number>
std::optional<Number> wholeNumberIn(std::string_view value, Number low, Number high) {
    Number read = 0;
    const char* end = value.data() + value.size();
    const auto [stop, failure] = std::from_chars(value.data(), end, read);
    if (value.empty() || failure != std::errc{} || stop != end || read < low || read > high) {
        return std::nullopt;
    }
    return read;
}

// "'VALUE' is not a whole number from LOW to HIGH".
std::string notWholeNumber(std::string_view value, const std::string& low, const std::string& high);

// A whole number within [low, high]; false, with `problem` saying which numbers are allowed,
// for anything else.
template <std::integral Number>
bool readWholeNumber(std::string_view value, Number low, Number high, Number& number,
                     std::string& problem) {
    const std::optional<Number> read = wholeNumberIn(value, low, high);
    if (!read) {
        problem = notWholeNumber(value, std::to_string(low), std::to_string(high));
        return false;
    }
    number = *read;
    return true;
}

// "'VALUE' is not NAMES", e.g. NAMES "sharp or nearest".
std::string notOneOf(std::string_view value, std::string_view names);

// Prints what reading the command line gave to say, if anything, on standard output or error.
// The status to exit with when the program is not to run; none when it is. An answer that cannot
// be written is named on standard error, with exit status 1.
std::optional<int> stopAfter(const CommandLineResult& result);

// Takes for the common options: a switch that sets `field` to `value`, a value kept as text, a
// whole number within [low, high].
template <typename Field, typename Value>
auto setting(Field& field, Value value) {
    return [&field, value](std::string_view, std::string&) {
        field = value;
        return true;
    };
}
template <typename Field>
auto text(Field& field) {
    return [&field](std::string_view value, std::string&) {
        field = std::string(value);
        return true;
    };
}
// A value that `named` turns into the field's (an optional, empty for an unknown name); `names`
// lists the known ones for the problem.
template <typename Field, typename Named>
auto oneOf(Field& field, Named named, std::string_view names) {
    return [&field, named, names](std::string_view value, std::string& problem) {
        const auto read = named(value);
        if (!read) {
            problem = notOneOf(value, names);
            return false;
        }
        field = *read;
        return true;
    };
}
template <typename Field, std::integral Number>
auto wholeNumber(Field& field, Number low, Number high) {
    return [&field, low, high](std::string_view value, std::string& problem) {
        Number number = 0;
        if (!readWholeNumber(value, low, high, number, problem)) {
            return false;
        }
        field = number;
        return true;
    };
}

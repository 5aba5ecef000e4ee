#include "commandline/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "platform/files/FileIdentity.h"
#include "platform/files/QuotedText.h"
#include "platform/sdl/SdlVersion.h"

namespace {

constexpr char LicenceLine[] =
    "Under the zlib licence; its built-in font, DejaVu Sans Bold, under its own licence.";

std::string join(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (const std::string_view part : parts) {
        joined += part;
    }
    return joined;
}

std::string usageText(const ProgramDescription& program) {
    std::string text = join({"usage: ", program.name, " [OPTION]..."});
    if (!program.operands.empty()) {
        text += join({" ", program.operands});
    }
    text += "\n\nOptions:\n";
    std::vector<std::pair<std::string, std::string_view>> rows;
    for (const CommandLineOption& option : program.options) {
        std::string left = join({"--", option.name});
        if (!option.valueName.empty()) {
            left += join({" ", option.valueName});
        }
        rows.emplace_back(std::move(left), option.help);
    }
    rows.emplace_back("--help", "show this help and exit");
    rows.emplace_back("--version", "show the version and exit");
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.first.size());
    }
    for (const auto& [left, help] : rows) {
        text += "  " + left + std::string(width - left.size() + 2, ' ') + std::string(help) + "\n";
    }
    return text;
}

CommandLineResult refusal(const ProgramDescription& program, const std::string& problem) {
    return {CommandLineResult::Verdict::Refused, "",
            std::string(program.name) + ": " + problem + "\n" + usageText(program),
            std::string(program.name)};
}

const CommandLineOption* findOption(const ProgramDescription& program, std::string_view name) {
    const auto found =
        std::find_if(program.options.begin(), program.options.end(),
                     [name](const CommandLineOption& option) { return option.name == name; });
    return found != program.options.end() ? &*found : nullptr;
}

}  // namespace

CommandLineResult readCommandLine(int argc, const char* const* argv,
                                  const ProgramDescription& program) {
    bool optionsEnded = false;
    bool wordTaken = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        std::string problem;
        if (optionsEnded || word == "-" || !word.starts_with('-')) {
            if (!program.takeWord) {
                return refusal(program,
                               join({"unexpected argument '", quotedForMessage(word), "'"}));
            }
            if (!program.takeWord(word, problem)) {
                return refusal(program, problem);
            }
            wordTaken = true;
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help") {
            return {CommandLineResult::Verdict::Answered,
                    std::string(program.summary) + "\n\n" + usageText(program) +
                        (program.epilogue.empty() ? "" : join({"\n", program.epilogue})),
                    "", std::string(program.name)};
        }
        if (word == "--version") {
            return {CommandLineResult::Verdict::Answered, versionText(program.name), "",
                    std::string(program.name)};
        }
        const std::size_t equals = word.find('=');
        const std::string_view name = word.substr(2, equals == word.npos ? word.npos : equals - 2);
        const CommandLineOption* option =
            word.starts_with("--") ? findOption(program, name) : nullptr;
        if (option == nullptr) {
            return refusal(program, join({"unknown option '", quotedForMessage(word), "'"}));
        }
        std::string_view value;
        if (option->valueName.empty()) {
            if (equals != word.npos) {
                return refusal(program, join({"--", name, " takes no value"}));
            }
        } else if (equals != word.npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return refusal(program, join({"--", name, " needs a value (", option->valueName, ")"}));
        }
        if (!option->take(value, problem)) {
            return refusal(program, join({"--", name, ": ", problem}));
        }
    }
    if (!wordTaken && !program.operands.empty() && !program.operands.starts_with('[')) {
        return refusal(program, join({"no ", program.operands, " given"}));
    }
    return {};
}

std::function<bool(std::string_view, std::string&)> atMostOneWord(std::optional<std::string>& word,
                                                                  std::string_view what) {
    return [&word, what](std::string_view given, std::string& problem) {
        if (word) {
            problem = join({"more than one ", what, " ('", quotedForMessage(given), "')"});
            return false;
        }
        word = std::string(given);
        return true;
    };
}

std::string sameFileClash(
    std::initializer_list<std::pair<std::string_view, std::string_view>> optionPaths) {
    for (auto first = optionPaths.begin(); first != optionPaths.end(); ++first) {
        for (auto second = first + 1; second != optionPaths.end(); ++second) {
            const auto& [option, path] = *first;
            if (!path.empty() && path != "-" && !second->second.empty() &&
                (path == second->second ||
                 platform::sameFile(std::string(path), std::string(second->second)))) {
                return join({option, " and ", second->first, " name the same file ",
                             quotedPath(path), ": nothing was written"});
            }
        }
    }
    return {};
}

std::string_view projectVersion() {
    return TB_VERSION;
}

std::string versionText(std::string_view programName) {
    return std::string(programName) + " " + TB_VERSION + "\n" + LicenceLine + "\n" +
           platform::sdlVersions() + "\n";
}

std::string notWholeNumber(std::string_view value, const std::string& low,
                           const std::string& high) {
    return join({"'", quotedForMessage(value), "' is not a whole number from ", low, " to ", high});
}

std::string notOneOf(std::string_view value, std::string_view names) {
    return join({"'", quotedForMessage(value), "' is not ", names});
}

std::optional<int> stopAfter(const CommandLineResult& result) {
    std::fputs(result.out.c_str(), stdout);
    std::fputs(result.err.c_str(), stderr);
    if (result.verdict == CommandLineResult::Verdict::Run) {
        return std::nullopt;
    }
    if (result.verdict == CommandLineResult::Verdict::Answered && std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write standard output: %s\n", result.program.c_str(),
                     std::strerror(errno));
        return 1;
    }
    return result.exitStatus();
}

// The command-line reader the programs share: options with values either way, words, the
// answers to --help and --version, and one line naming whatever is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandline/CommandLine.h"

namespace {

using Verdict = CommandLineResult::Verdict;

class CommandLine : public ::testing::Test {
  protected:
    CommandLineResult read(std::vector<const char*> words) {
        words.insert(words.begin(), "prog");
        return readCommandLine(static_cast<int>(words.size()), words.data(), program);
    }
    // The first line of what was said on stderr.
    static std::string complaint(const CommandLineResult& result) {
        EXPECT_EQ(result.verdict, Verdict::Refused);
        EXPECT_EQ(result.exitStatus(), 2);
        EXPECT_NE(result.err.find("\nusage: prog [OPTION]... "), std::string::npos);
        return result.err.substr(0, result.err.find('\n'));
    }

    std::string level;
    bool quiet = false;
    std::vector<std::string> files;
    ProgramDescription program{
        .name = "prog",
        .operands = "[FILE]",
        .summary = "Does a thing.",
        .epilogue = "Keys: none.\n",
        .options = {{"level", "N", "how much",
                     [this](std::string_view value, std::string& problem) {
                         int number = 0;
                         if (!readWholeNumber(value, 0, 9, number, problem)) {
                             return false;
                         }
                         level = std::to_string(number);
                         return true;
                     }},
                    {"quiet", "", "say less",
                     [this](std::string_view, std::string&) { return quiet = true; }}},
        .takeWord = [this](std::string_view word, std::string&) {
            files.emplace_back(word);
            return true;
        }};
};

TEST_F(CommandLine, TakesValuesEitherWaySwitchesAndWords) {
    const CommandLineResult result = read({"--level", "3", "a", "--quiet", "--", "--level=4"});
    EXPECT_EQ(result.verdict, Verdict::Run);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(level, "3");
    EXPECT_TRUE(quiet);
    EXPECT_EQ(files, (std::vector<std::string>{"a", "--level=4"}));
    EXPECT_EQ(read({"--level=7", "-"}).verdict, Verdict::Run);
    EXPECT_EQ(level, "7");
}

TEST_F(CommandLine, RefusesWithOneLineNamingTheProblemThenTheUsage) {
    EXPECT_EQ(complaint(read({"--loud"})), "prog: unknown option '--loud'");
    EXPECT_EQ(complaint(read({"-q"})), "prog: unknown option '-q'");
    EXPECT_EQ(complaint(read({"--level"})), "prog: --level needs a value (N)");
    EXPECT_EQ(complaint(read({"--quiet=yes"})), "prog: --quiet takes no value");
    EXPECT_EQ(complaint(read({"--level", "10"})),
              "prog: --level: '10' is not a whole number from 0 to 9");
    EXPECT_EQ(complaint(read({"--level=", "1"})),
              "prog: --level: '' is not a whole number from 0 to 9");
    EXPECT_EQ(complaint(read({"--level", "2x"})),
              "prog: --level: '2x' is not a whole number from 0 to 9");
    EXPECT_EQ(complaint(read({"--level", "99999999999"})),
              "prog: --level: '99999999999' is not a whole number from 0 to 9");
    // What was given is quoted escaped and cut short: a terminal is not driven by it.
    const std::string longWord = "\x1b]0;" + std::string(60, '9');
    EXPECT_EQ(
        complaint(read({"--level", longWord.c_str()})),
        "prog: --level: '\\x1b]0;" + std::string(33, '9') + "…' is not a whole number from 0 to 9");
    EXPECT_EQ(complaint(read({"--\x07"})), "prog: unknown option '--\\x07'");
    program.operands = "FILE";
    EXPECT_EQ(complaint(read({"--quiet"})), "prog: no FILE given");
    program.takeWord = nullptr;
    EXPECT_EQ(complaint(read({"file"})), "prog: unexpected argument 'file'");
}

TEST_F(CommandLine, AnswersHelpAndVersionAndRunsNothingElse) {
    const CommandLineResult help = read({"--quiet", "--help", "--loud"});
    EXPECT_EQ(help.verdict, Verdict::Answered);
    EXPECT_EQ(help.exitStatus(), 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Does a thing.\n\nusage: prog [OPTION]... [FILE]\n", 0), 0u);
    for (const char* line : {"  --level N  how much\n", "  --quiet    say less\n",
                             "  --help     show this help and exit\n", "\nKeys: none.\n"}) {
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    }
    const CommandLineResult version = read({"--version"});
    EXPECT_EQ(version.verdict, Verdict::Answered);
    EXPECT_EQ(version.out.rfind(std::string("prog ") + TB_VERSION + "\nUnder the zlib licence;", 0),
              0u)
        << version.out;
    EXPECT_NE(version.out.find("\nSDL 2."), std::string::npos) << version.out;
}

}  // namespace

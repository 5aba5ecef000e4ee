// The key script: its lines, read as a stream with their faults named, and the keys they report.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "keyscript/ScriptKeys.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

struct ReadBack {
    std::vector<KeyScriptLine> lines;
    std::string fault;
};

ReadBack readAll(std::FILE* in) {
    KeyScriptReader reader(in, "test");
    ReadBack read;
    KeyScriptLine line;
    while (reader.next(line)) {
        read.lines.push_back(line);
    }
    read.fault = reader.fault();
    return read;
}

ReadBack readText(std::string text) {
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    ReadBack read = readAll(in);
    std::fclose(in);
    return read;
}

std::string faultOf(const std::string& text) {
    const ReadBack read = readText(text);
    EXPECT_FALSE(read.fault.empty()) << text;
    return read.fault;
}

constexpr std::uint8_t EnterBit = 1, SpaceBit = 4, LeftBit = 8, RightBit = 32;

TEST(KeyScript, NamesTheMalformedLineQuotingWhatWasReadSafely) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"-3 Left\n", "line 1: the count '-3' is not a whole number of at least 1"},
             {"18446744073709551616 -\n", "line 1: the count '18446744073709551616' is out of "},
             {"\n# ok\n5\n", "line 3: expected COUNT KEYS"},
             {"5 # no keys\n", "line 1: expected COUNT KEYS"},
             {"1 enter\n", "line 1: unknown key 'enter'"},
             {"1 Left++Up\n", "line 1: unknown key ''"},
             {"1 -+Left\n", "line 1: unknown key '-'"},
             {"1 Left*+Jump*\n", "line 1: unknown key 'Jump*'"},
             {"1 Left Up\n", "line 1: unexpected 'Up' after the keys"},
             {std::string("1 Ri\0ght\n", 9), "line 1: unknown key 'Ri\\x00ght' ("},
             {"1 -\n" + std::string(4097, '#') + "\n", "line 2: longer than 4096 bytes"},
         }) {
        EXPECT_EQ(faultOf(text).rfind("bad script, " + message, 0), 0u) << faultOf(text);
    }
}

TEST(KeyScript, CommentsBlanksAndTapsAroundTheKeys) {
    const ReadBack read = readText(
        "  # indented comment\n\t\n1 -  # after the keys\r\n1000000000 Enter+Left#tight\n"
        "2 Left+Space*\n3 Right*+Right\n5 -" +
        std::string(4093, ' ') + "\n4 Up");
    ASSERT_EQ(read.fault, "");
    const std::vector<KeyScriptLine> expected = {{1, 0, 0},
                                                 {1'000'000'000, EnterBit | LeftBit, 0},
                                                 {2, LeftBit, SpaceBit},
                                                 {3, RightBit, 0},
                                                 {5, 0, 0},
                                                 {4, 16, 0}};
    EXPECT_EQ(read.lines, expected);
    EXPECT_EQ(formatKeyScriptLine(read.lines[2]), "2 Space*+Left");
    EXPECT_EQ(formatKeyScriptLine(read.lines[0]), "1 -");
}

TEST(KeyScript, ATapIsReportedDownAndToldApartOnlyAsATap) {
    const KeyScriptLine line{1, LeftBit, SpaceBit};
    const platform::KeyReport reported = reportedKeys(line);
    EXPECT_TRUE(reported[VK_LEFT]);
    EXPECT_TRUE(reported[VK_SPACE]);
    EXPECT_FALSE(reported[VK_RETURN]);
    platform::KeyReport tapped{};
    tapped[VK_SPACE] = true;
    EXPECT_EQ(linePolled(reported, tapped), line);
    platform::KeyReport other{};
    other['A'] = true;
    EXPECT_EQ(linePolled(other, {}), (KeyScriptLine{1, 0, 0})) << "keys the game never reads";
}

// A practice run's recording starts with its stage; the line of polls after it is still the
// first one read, and a script without a stage line names none.
TEST(KeyScript, AStageLineBeforeThePollsSaysWherePlayStarts) {
    std::string text = "# practice\nstage 12 # after the title\n2 Enter\n1 -\n";
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    KeyScriptReader reader(in, "test");
    EXPECT_EQ(reader.startStage(), 12);
    KeyScriptLine line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, (KeyScriptLine{2, EnterBit, 0}));
    std::fclose(in);
    EXPECT_EQ(readText("stage 3\n1 Left\n").lines.size(), 1u);
    for (const auto& [script, fault] : std::vector<std::pair<std::string, std::string>>{
             {"stage 21\n",
              "bad script, line 1: the stage '21' is not a whole number from 1 to 20"},
             {"stage 2 3\n", "bad script, line 1: unexpected"},
             // What was read is escaped and cut, as in every other message.
             {"stage \x1b]0;" + std::string(60, '9') + "\n",
              "bad script, line 1: the stage '\\x1b]0;" + std::string(33, '9') + "…' is not"},
             {"1 -\nstage 2\n", "bad script, line 2:"},
         }) {
        EXPECT_EQ(faultOf(script).rfind(fault, 0), 0u) << faultOf(script);
    }
}

// A pipe cannot be read twice: its script is checked whole, kept, and then played from a copy.
TEST(KeyScriptFile, ChecksAPipedScriptWholeBeforeAnythingPlays) {
    for (const auto& [text, fault] : std::vector<std::pair<std::string, std::string>>{
             {"2 Left\n# note\n1 Space*", ""},
             {"2 Left\n1 Jump\n", "bad script, line 2: unknown key 'Jump'"},
         }) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ASSERT_EQ(::write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(ends[1]);
        const std::string path = "/dev/fd/" + std::to_string(ends[0]);
        KeyScriptFile file;
        std::string error;
        EXPECT_EQ(file.open(path, error), fault.empty());
        EXPECT_EQ(error.rfind(fault, 0), 0u) << error;
        if (fault.empty()) {
            const ReadBack read = readAll(file.stream());
            EXPECT_EQ(read.lines, (std::vector<KeyScriptLine>{{2, LeftBit, 0}, {1, 0, SpaceBit}}));
        }
        ::close(ends[0]);
    }
    KeyScriptFile missing;
    std::string error;
    EXPECT_FALSE(missing.open("/nonexistent/script.keys", error));
    EXPECT_EQ(error, "cannot read the script /nonexistent/script.keys: No such file or directory");
}

TEST(ScriptKeys, ReportEachPollThenNoKeyAndTheWindowClosesAfterTheLast) {
    std::string text = "2 Left\n1 Space*\n";
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    KeyScriptReader reader(in, "test");
    ScriptKeySource keys(reader);
    platform::ScriptedWindowEvents live;
    live.post({WM_KEYDOWN, VK_RETURN, 0});
    ScriptWindowEvents events(keys, &live);

    platform::WindowMessage message;
    platform::KeyReport reported{};
    for (int poll = 0; poll < 3; ++poll) {
        ASSERT_FALSE(keys.exhausted());
        keys.poll(reported);
        EXPECT_EQ(reported[VK_LEFT], poll < 2);
        EXPECT_EQ(reported[VK_SPACE], poll == 2);
        EXPECT_EQ(keys.tappedAtLatestPoll()[VK_SPACE], poll == 2);
    }
    EXPECT_TRUE(keys.exhausted());
    keys.poll(reported);
    EXPECT_EQ(reported, platform::KeyReport{});
    EXPECT_EQ(keys.polls(), 4u);
    for (const std::uint32_t expected : {WM_DESTROY, WM_QUIT}) {
        ASSERT_TRUE(events.nextMessage(message));
        EXPECT_EQ(message.message, expected);
    }
    EXPECT_FALSE(events.nextMessage(message));
    EXPECT_TRUE(live.nextMessage(message)) << "the live window is not looked at after the end";
    std::fclose(in);
}

}  // namespace

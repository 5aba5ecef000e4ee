// A run's link: the same play back from every form of it, and nothing from a link damaged, cut
// short, too large, made to expand, or made by a game that plays otherwise.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "keyscript/KeyScriptReader.h"
#include "keyscript/RunLink.h"

namespace {

// Lines of every count width and key set, taps never on a held key.
RunScript variedRun(unsigned seed, std::size_t lines) {
    std::mt19937 draw(seed);
    RunScript run;
    for (std::size_t i = 0; i < lines; ++i) {
        const auto width = static_cast<int>(draw() % 30) + 1;
        const auto count = static_cast<std::uint32_t>(draw() >> (32 - width) | 1u << (width - 1));
        const auto held = static_cast<std::uint8_t>(draw() % 128);
        const auto tapped = static_cast<std::uint8_t>(draw() % 128 & ~held);
        run.lines.push_back({std::min(count, MaxKeyScriptCount), held, tapped});
    }
    return run;
}

std::string linkOf(const RunScript& run) {
    std::string link;
    std::string problem;
    EXPECT_TRUE(makeRunLink(run, link, problem)) << problem;
    return link;
}

std::string refusal(const std::string& link) {
    RunScript run;
    std::string problem;
    EXPECT_FALSE(readRunLink(link, run, problem)) << link.substr(0, 80);
    return problem;
}

}  // namespace

TEST(RunLink, EveryFormOfTheLinkGivesBackTheSameRun) {
    RunScript practice = variedRun(7, 300);
    practice.stage = 20;
    for (const RunScript& run :
         {RunScript{}, RunScript{.stage = 1, .lines = {}}, variedRun(1, 1), practice,
          RunScript{.stage = {}, .lines = {{MaxKeyScriptCount, 0, 0}, {1, 127, 0}, {3, 0, 127}}}}) {
        const std::string link = linkOf(run);
        EXPECT_TRUE(looksLikeRunLink(link));
        for (const std::string& form :
             {link, "#run=" + link, "\t https://example.org/t/?a=b#run=" + link + "\r\n"}) {
            RunScript read;
            std::string problem;
            ASSERT_TRUE(readRunLink(form, read, problem)) << problem;
            EXPECT_EQ(read, run);
        }
        // The script it is played as says the same again.
        std::string text = keyScriptText(run);
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        KeyScriptReader reader(in, "test");
        RunScript replayed{.stage = reader.startStage(), .lines = {}};
        for (KeyScriptLine line; reader.next(line);) {
            replayed.lines.push_back(line);
        }
        std::fclose(in);
        EXPECT_EQ(replayed, run);
    }
    for (const char* script : {"1 -", "stage 5", "# tb1 notes", "", "150 Right # tb1.1.x"}) {
        EXPECT_FALSE(looksLikeRunLink(script)) << script;
    }
}

TEST(RunLink, EveryChangedOrMissingCharacterIsRefused) {
    const std::string link = linkOf(variedRun(2, 40));
    const std::size_t payload = link.rfind('.') + 1;
    for (std::size_t at = payload; at < link.size(); ++at) {
        std::string damaged = link;
        damaged[at] = damaged[at] == 'A' ? 'B' : 'A';
        EXPECT_EQ(refusal(damaged), "damaged or cut short") << at;
        EXPECT_EQ(refusal(link.substr(0, at)), "damaged or cut short") << at;
    }
    EXPECT_EQ(refusal(link.substr(0, payload) + "*" + link.substr(payload + 1)),
              "damaged or cut short");
    EXPECT_EQ(refusal("tb1.01." + link.substr(payload)), "damaged or cut short");
    EXPECT_EQ(refusal("tb1.1"), "damaged or cut short");
    EXPECT_EQ(refusal("tb2.1." + link.substr(payload)),
              "of the form 'tb2', and this tilebounce reads tb1 links");
}

TEST(RunLink, ALinkOfAnotherPlayVersionIsRefusedNamingBoth) {
    const std::string link = linkOf(variedRun(3, 5));
    const std::string other = std::to_string(PlayVersion + 1);
    EXPECT_EQ(refusal("tb1." + other + link.substr(link.rfind('.'))),
              "made by a tilebounce of play version " + other + ", and this one plays version " +
                  std::to_string(PlayVersion) + ", where the run would not play the same");
}

TEST(RunLink, LinksTooLargeOrUnpackingTooFarAreRefused) {
    EXPECT_EQ(refusal("tb1.1." + std::string(MaxRunLinkChars, 'A')),
              "longer than " + std::to_string(MaxRunLinkChars) + " characters");
    // A link of a length allowed that would unpack to more lines than any link may hold.
    const RunScript endless{.stage = {},
                            .lines = std::vector<KeyScriptLine>(MaxRunLinkLines + 1, {1, 0, 0})};
    const std::string bomb = packedRunLink(endless);
    EXPECT_LE(bomb.size(), MaxRunLinkChars);
    EXPECT_EQ(refusal(bomb), "it unpacks to over " + std::to_string(MaxRunLinkLines) +
                                 " lines, past what a link may hold");
    std::string link;
    std::string problem;
    EXPECT_FALSE(makeRunLink(endless, link, problem));
    // Lines of wide counts and fresh keys, each costing bytes: the link would be too long.
    EXPECT_FALSE(makeRunLink(variedRun(4, 40'000), link, problem));
    EXPECT_NE(problem.find("over the 65536"), std::string::npos) << problem;
}

#pragma once
// The key script: which keys the keyboard reports at each poll, as lines of text. The replay
// tool plays it, the game records and plays it back, the solver writes it.
//
// A line "COUNT KEYS" stands for COUNT (1 to 10^9) consecutive polls at which exactly KEYS are
// reported down: "-" for none, or names joined by '+' from Enter, Escape, Space, Left, Up, Right,
// Down. A name followed by '*' is a key tapped: pressed and released again since the poll before,
// which the keyboard reports down at the poll all the same. '#' starts a comment that runs to
// the end of the line; blank lines and comments stand for no poll.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/seams/KeySource.h"

struct KeyScriptLine {
    std::uint32_t count = 0;
    // Bit i for the i-th key name above: held down at the polls, or tapped before each of them.
    std::uint8_t held = 0;
    std::uint8_t tapped = 0;

    bool operator==(const KeyScriptLine&) const = default;
};

constexpr std::uint32_t MaxKeyScriptCount = 1'000'000'000;

enum class LineMeaning { Polls, Nothing, Malformed };

// What one line of text (without its newline) says: polls, set in `line`; nothing; or a fault,
// described in `problem` with what was read quoted.
LineMeaning parseKeyScriptLine(std::string_view text, KeyScriptLine& line, std::string& problem);

// A line "stage N", N from 1 to 20, before the first line of polls starts play at stage N after
// the title, as a practice run does. Whether the line's first word is "stage":
bool isStageLine(std::string_view text);
// The stage of such a line; false, with `problem`, when it is not "stage N" (a comment may
// follow).
bool parseStageLine(std::string_view text, std::int32_t& stage, std::string& problem);

// The text of a line, without its newline: "3 Left+Space*".
std::string formatKeyScriptLine(const KeyScriptLine& line);
// Its keys alone: "Left+Space*", "-" for none.
std::string formatKeys(const KeyScriptLine& line);

// The keys the line reports down at each of its polls (held and tapped alike).
platform::KeyReport reportedKeys(const KeyScriptLine& line);

// One poll as a line: the keys of the script's names that were reported, those also in `tapped`
// marked as tapped. Other keys are left out: the game reads none of them.
KeyScriptLine linePolled(const platform::KeyReport& reported, const platform::KeyReport& tapped);

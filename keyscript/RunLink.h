#pragma once
// A run as a link: the play of a key script (its stage line and its lines of polls; comments are
// not carried) as one word that a URL's fragment carries as it is, "#run=tb1.PLAY.PAYLOAD":
// "tb1" the link's format, PLAY the play version of the game that made it, PAYLOAD the script
// packed by an adaptive range coder behind a checksum of it, in base64url.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyscript/KeyScript.h"

struct RunScript {
    std::optional<std::int32_t> stage;  // a practice run's stage line
    std::vector<KeyScriptLine> lines;

    bool operator==(const RunScript&) const = default;
};

// The version of the game's play. Raise it with any change that makes a key script play
// otherwise (a golden replay's expected output changes): a link made before then is refused
// rather than played into a different game.
constexpr std::int32_t PlayVersion = 1;

// A longer link is refused unread; so is one that unpacks to more lines than this (a link made
// to expand without end).
constexpr std::size_t MaxRunLinkChars = 65536;
constexpr std::size_t MaxRunLinkLines = 500'000;

// The link of `run`; false with `problem` when the run is too long for one.
bool makeRunLink(const RunScript& run, std::string& link, std::string& problem);
// The link of `run` whatever its length, which readRunLink may then refuse.
std::string packedRunLink(const RunScript& run);

// Whether `text`, blanks around it left out, is meant as a link rather than a key script: one
// word that starts "tb" and a digit, or holds "#run=" (a link's fragment, or a whole URL).
bool looksLikeRunLink(std::string_view text);

// The run a link holds, given as looksLikeRunLink takes it; false with `problem`, which says
// what the link is ("damaged or cut short"), when it is too long, damaged or cut short, of
// another format, or made by a game whose play differs.
bool readRunLink(std::string_view text, RunScript& run, std::string& problem);

// The run as the text of a key script.
std::string keyScriptText(const RunScript& run);

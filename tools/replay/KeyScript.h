#pragma once
// The replay tool's key script: which keys are down at each keyboard poll.
//
// Text lines; blank lines and lines starting with '#' are ignored. Every other line is
// "COUNT KEYS": COUNT >= 1 consecutive polls at which exactly KEYS are down, KEYS being "-" (no
// key) or names joined by '+' from Enter, Escape, Space, Left, Up, Right, Down.
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

struct KeyScriptLine {
    std::uint64_t count = 0;
    std::vector<int> keys;  // virtual-key codes
};

struct KeyScript {
    std::vector<KeyScriptLine> lines;
};

// Reads the whole script into `script`; false, with a message naming the line in `error`, when
// a line is malformed.
bool parseKeyScript(std::istream& in, KeyScript& script, std::string& error);

#pragma once
// Reads a key script from a stream one line at a time, so that memory stays the same however
// long the script is.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "keyscript/KeyScript.h"

class KeyScriptReader {
  public:
    static constexpr std::size_t MaxLineBytes = 4096;

    // Reads `in` from where it stands, after `readAhead`, what was already taken from it; `in`
    // stays its owner's. `name` names the script in messages. Every line read is also written
    // to `copy` when one is given.
    KeyScriptReader(std::FILE* in, std::string name, std::FILE* copy = nullptr,
                    std::string readAhead = {});

    // The stage named by a line "stage N" (1 to 20) before the first line of polls, which a
    // practice run's recording starts with; none without one. Reads up to that first line of
    // polls, which next() still gives first. A malformed stage line is a fault.
    std::optional<std::int32_t> startStage();

    // The next line that stands for polls; false at the end of the script and at a fault.
    bool next(KeyScriptLine& line);

    // Empty, or what stopped the reading short of the end: "bad script, line N: ..." for a
    // malformed or overlong line, "cannot read the script NAME: <the system's reason>".
    const std::string& fault() const { return fault_; }

  private:
    // One line into text_, without its newline; false at the end and at a fault.
    bool readLine();
    bool keepCopy();
    bool readPolls(KeyScriptLine& line);
    int nextByte();

    std::FILE* in_;
    std::string name_;
    std::FILE* copy_;
    std::string readAhead_;
    std::size_t readAheadUsed_ = 0;
    std::string text_;
    std::uint64_t number_ = 0;
    std::string fault_;
    bool headerRead_ = false;
    std::optional<std::int32_t> startStage_;
    std::optional<KeyScriptLine> firstPolls_;
};

#pragma once
// Polls gathered into the lines of a key script as they come: equal polls in a row make one line.
#include <optional>
#include <utility>

#include "keyscript/KeyScript.h"

class PollRuns {
  public:
    // Takes in one poll (a line of count 1); gives back the line that it ends, if any.
    std::optional<KeyScriptLine> add(const KeyScriptLine& polled);
    // The line gathered so far, ended; none when no poll came since the last.
    std::optional<KeyScriptLine> end() { return std::exchange(run_, std::nullopt); }

  private:
    std::optional<KeyScriptLine> run_;
};

// A whole game's polls as key-script text, kept in memory.
class ScriptInMemory {
  public:
    // A game that starts at a later stage (a practice run) has a "stage N" line first.
    explicit ScriptInMemory(std::int32_t startStage);

    void add(const KeyScriptLine& polled);
    // The script of the polls so far.
    std::string text() const;

  private:
    std::string ended_;
    PollRuns runs_;
};

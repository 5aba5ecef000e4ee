#pragma once
// A key script replayed off screen, beside the game a player is about to play: no console lines,
// no pictures, and the game's globals put back afterwards as a fresh start has them (resetGame),
// so that the game that follows plays as if nothing had run. Call it where no game is running.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "keyscript/KeyScriptReader.h"
#include "runs/Replay.h"

// A message about the script `name`, led by that name unless it names the script already (a
// malformed line's message does not: "bad script, line 3: ...").
std::string namingScript(const std::string& name, const std::string& message);

using SubstepWatch = std::function<void(const RunTimer&)>;

// The script as the reader gives it; a fault in reading shows in the reader.
ReplayOutcome replayOffScreen(KeyScriptReader& script, const SubstepWatch& afterSubstep = {});

// The script held in `text`, named `name` in messages. Nothing, with the reason in `error`, when
// it is malformed or could not be held for reading.
std::optional<ReplayOutcome> replayTextOffScreen(std::string_view text, const std::string& name,
                                                 std::string& error,
                                                 const SubstepWatch& afterSubstep = {});

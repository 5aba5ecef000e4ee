#include "runs/OffScreen.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "game/ResetGame.h"

std::string namingScript(const std::string& name, const std::string& message) {
    return message.find(name) != std::string::npos ? message : name + ": " + message;
}

ReplayOutcome replayOffScreen(KeyScriptReader& script, const SubstepWatch& afterSubstep) {
    ReplayOutcome outcome = replay(script, {.consoleLines = false, .afterSubstep = afterSubstep});
    resetGame();
    return outcome;
}

std::optional<ReplayOutcome> replayTextOffScreen(std::string_view text, const std::string& name,
                                                 std::string& error,
                                                 const SubstepWatch& afterSubstep) {
    // The reader reads a stream; an unnamed temporary file is one on every system we build for.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> held(std::tmpfile(), &std::fclose);
    if (!held || std::fwrite(text.data(), 1, text.size(), held.get()) != text.size() ||
        std::fseek(held.get(), 0, SEEK_SET) != 0) {
        error = "cannot replay " + name + ": " + std::strerror(errno);
        return std::nullopt;
    }
    KeyScriptReader script(held.get(), name);
    ReplayOutcome outcome = replayOffScreen(script, afterSubstep);
    if (!script.fault().empty()) {
        error = namingScript(name, script.fault());
        return std::nullopt;
    }
    return outcome;
}

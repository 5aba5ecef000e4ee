#include "shell/ScriptedPlay.h"

#include <cstdio>
#include <string_view>

bool takeScriptedPlayOption(int argc, char** argv, int& i, ScriptedPlayOptions& options) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc || (option != "--record" && option != "--playback")) {
        return false;
    }
    (option == "--record" ? options.recordPath : options.playbackPath) = argv[++i];
    return true;
}

ScriptedPlay::ScriptedPlay()
    : recorder_([](const std::string& problem) {
          std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
      }) {}

bool ScriptedPlay::prepare(const ScriptedPlayOptions& options, std::string& error, int& status) {
    if (options.playbackPath) {
        if (!playbackFile_.open(*options.playbackPath, error)) {
            status = 2;
            return false;
        }
        playbackReader_.emplace(playbackFile_.stream(), playbackFile_.name());
    }
    if (options.recordPath) {
        if (!recorder_.open(*options.recordPath, error)) {
            status = 1;
            return false;
        }
        recording_ = true;
    }
    return true;
}

void ScriptedPlay::install(platform::KeySource& liveKeys, platform::WindowEvents& liveEvents) {
    platform::KeySource* keys = &liveKeys;
    if (playbackReader_) {
        keys = &playbackKeys_.emplace(*playbackReader_, &liveKeys);
        platform::installWindowEvents(playbackEvents_.emplace(*playbackKeys_, &liveEvents));
    }
    if (recording_) {
        recorder_.recordFrom(*keys);
        keys = &recorder_;
    }
    platform::installKeySource(*keys);
}

#include "keyscript/ScriptedPlay.h"

#include <cstdio>

#include "commandline/CommandLine.h"
#include "keyscript/ScriptFileLink.h"
#include "platform/files/OutputFile.h"

ScriptedPlay::ScriptedPlay()
    : recorder_([](const std::string& problem) {
          std::fprintf(stderr, "tilebounce: %s\n", problem.c_str());
      }) {}

bool ScriptedPlay::prepare(const ScriptedPlayOptions& options, std::string& error, int& status) {
    error = sameFileClash({{"--record", options.recordPath.value_or("")},
                           {"--playback", options.playbackPath.value_or("")},
                           {"--record-link", options.recordLinkPath.value_or("")}});
    if (error.empty() && options.recordLinkPath && !options.recordPath) {
        error = "--record-link needs --record";
    }
    if (!error.empty()) {
        status = 2;
        return false;
    }
    if (options.playbackPath) {
        if (!playbackFile_.open(*options.playbackPath, error)) {
            status = 2;
            return false;
        }
        playbackReader_.emplace(playbackFile_.stream(), playbackFile_.name());
    }
    if (options.recordPath) {
        if (!recorder_.open(*options.recordPath, options.startStage, error)) {
            status = 1;
            return false;
        }
        recording_ = true;
        recordPath_ = options.recordPath;
        recordLinkPath_ = options.recordLinkPath;
    }
    return true;
}

bool ScriptedPlay::finish(const std::string& endLine) {
    if (!recorder_.finish(endLine)) {
        return false;
    }
    if (!recordLinkPath_) {
        return true;
    }
    std::string link;
    std::string error;
    OutputFile linkFile(*recordLinkPath_, "the recording's link");
    const bool written = linkOfScriptFile(*recordPath_, link, error) && linkFile.open(error) &&
                         std::fprintf(linkFile.stream(), "%s\n", link.c_str()) >= 0 &&
                         linkFile.complete(error);
    if (!written) {
        std::fprintf(stderr, "tilebounce: no link to the run: %s\n",
                     error.empty() ? linkFile.writeFailure().c_str() : error.c_str());
    }
    return written;
}

void ScriptedPlay::install(platform::KeySource& liveKeys, platform::WindowEvents& liveEvents) {
    liveKeys_ = &liveKeys;
    liveEvents_ = &liveEvents;
    platform::KeySource* keys = &liveKeys;
    if (playbackReader_) {
        startPlayback();
        keys = &*checkedPlayback_;
        platform::installWindowEvents(*playbackEvents_);
    }
    if (recording_) {
        recorder_.recordFrom(*keys);
        keys = &recorder_;
    }
    platform::installKeySource(*keys);
}

void ScriptedPlay::CheckedPlayback::poll(platform::KeyReport& reported) {
    constexpr std::uint32_t PollsBetweenLooks = 30;
    keys_.poll(reported);
    if (keys_.polls() % PollsBetweenLooks == 0 && !file_.changed().empty()) {
        keys_.stop();
    }
}

bool ScriptedPlay::restart(std::string& error) {
    if (!playbackFile_.rewind(error)) {
        return false;
    }
    playbackReader_.emplace(playbackFile_.stream(), playbackFile_.name());
    // Made again in place: what was installed over them still holds them.
    startPlayback();
    return true;
}

void ScriptedPlay::startPlayback() {
    checkedPlayback_.emplace(playbackKeys_.emplace(*playbackReader_, liveKeys_), playbackFile_);
    playbackEvents_.emplace(*playbackKeys_, liveEvents_);
}

std::optional<std::int32_t> ScriptedPlay::startStage() {
    return playbackReader_ ? playbackReader_->startStage() : std::nullopt;
}

std::string ScriptedPlay::playbackFault() const {
    if (!playbackReader_) {
        return {};
    }
    return !playbackReader_->fault().empty() ? playbackReader_->fault() : playbackFile_.changed();
}

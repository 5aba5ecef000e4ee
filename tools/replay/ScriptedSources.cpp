#include "tools/replay/ScriptedSources.h"

void ScriptKeySource::poll(platform::KeyReport& reported) {
    reported = {};
    ++polls_;
    if (exhausted()) {
        return;
    }
    const KeyScriptLine& line = script_.lines[line_];
    for (const int vk : line.keys) {
        reported[static_cast<std::size_t>(vk)] = true;
    }
    if (++usedOfLine_ >= line.count) {
        ++line_;
        usedOfLine_ = 0;
    }
}

bool ScriptWindowEvents::nextMessage(platform::WindowMessage& out) {
    if (!keys_.exhausted() || closingMessagesSent_ == 2) {
        return false;
    }
    out = {++closingMessagesSent_ == 1 ? platform::WM_DESTROY : platform::WM_QUIT, 0, 0};
    return true;
}

void CueRecorder::playWave(int resourceId) {
    lastWave_ = resourceId;
    pollsAtLastWave_ = keys_.polls();
}

std::optional<int> CueRecorder::waveSinceLatestPoll() const {
    if (lastWave_ && pollsAtLastWave_ == keys_.polls()) {
        return lastWave_;
    }
    return std::nullopt;
}

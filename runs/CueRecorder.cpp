#include "runs/CueRecorder.h"

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

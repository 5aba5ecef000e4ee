#pragma once
// The words over a recording played back: how far it has come, and the keys that steer it.
#include <cstdint>

#include "platform/seams/Overlay.h"
#include "shell/OverlayTexts.h"

struct PlaybackProgress {
    std::int32_t stage = 0;  // 0 out of play: the title, the ending
    std::uint64_t polls = 0;
    std::uint64_t recordedPolls = 0;
};

// The stage, the polls played of the recording's, the speed (2^speedStep), or that it skips.
platform::OverlayPanel progressPanel(const PlaybackProgress& progress, int speedStep,
                                     bool skipping);
// The keys that steer a playback, for the help; `restarts`: whether it can go back to its start.
platform::OverlayPanel playbackKeysPanel(const ShownKeys& keys, bool restarts);

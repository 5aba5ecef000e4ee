#include "shell/PlayerLayer.h"

#include <algorithm>
#include <utility>

#include "shell/KeysShownPanel.h"
#include "shell/PlaybackTexts.h"

using platform::PlayerAction;

PlayerLayer::PlayerLayer(PlayerLayerSetUp setUp, platform::Clock& clock)
    : setUp_(std::move(setUp)),
      clock_(clock),
      volume_(setUp_.volume),
      muted_(setUp_.muted),
      furthestStage_(setUp_.furthestStage),
      timerShown_(setUp_.timerShown) {}

void PlayerLayer::act(PlayerAction action) {
    const bool wasHolding = holding();
    switch (action) {
        case PlayerAction::Pause:
            // Pause also leaves the help, which pauses too.
            paused_ = !holding();
            helpShown_ = false;
            break;
        case PlayerAction::FocusLost:
            paused_ = !helpShown_;
            break;
        case PlayerAction::Help:
            helpShown_ = !helpShown_;
            paused_ = false;
            break;
        case PlayerAction::Mute:
            muted_ = !muted_;
            stepVolume(0);
            break;
        case PlayerAction::VolumeDown:
            stepVolume(-VolumeStep);
            break;
        case PlayerAction::VolumeUp:
            stepVolume(VolumeStep);
            break;
        case PlayerAction::Timer:
            timerShown_ = !timerShown_;
            break;
        case PlayerAction::KeysShown:
            keysShown_ = !keysShown_;
            break;
        case PlayerAction::None:
        case PlayerAction::Step:  // the playback's own: see PlaybackControl
        case PlayerAction::Slower:
        case PlayerAction::Faster:
        case PlayerAction::NextStage:
        case PlayerAction::Restart:
            return;
    }
    changed(wasHolding);
}

void PlayerLayer::stepVolume(int by) {
    if (by != 0) {
        volume_ = std::clamp(volume_ + by, 0, 100);
        muted_ = false;
    }
    volumeShownUntil_ = clock_.nowNs() + VolumeShownNs;
    volumeDue_ = true;
}

void PlayerLayer::resume() {
    const bool wasHolding = holding();
    paused_ = false;
    helpShown_ = false;
    changed(wasHolding);
}

void PlayerLayer::changed(bool wasHolding) {
    if (wasHolding != holding() && setUp_.pauseSound) {
        setUp_.pauseSound(holding());
    }
    redrawDue_ = true;
}

void PlayerLayer::presenting() {
    ++presents_;
    redrawDue_ = false;
}

void PlayerLayer::tick() {
    for (std::optional<std::uint64_t>* until : {&volumeShownUntil_, &splitShownUntil_}) {
        if (*until && clock_.nowNs() >= **until) {
            until->reset();
            redrawDue_ = true;
        }
    }
    if (volumeDue_ && setUp_.setVolume) {
        setUp_.setVolume(muted_ ? 0 : volume_);
    }
    volumeDue_ = false;
    if (redrawDue_ && setUp_.redraw) {
        redrawDue_ = false;
        setUp_.redraw();
    }
}

void PlayerLayer::reachedStage(std::int32_t stage) {
    furthestStage_ = std::max(furthestStage_, stage);
}

void PlayerLayer::polled(const platform::KeyReport& reported, const platform::KeyReport& tapped) {
    const KeyScriptLine line = linePolled(reported, tapped);
    // Between the pictures of a screen that waits for a key, shown at the next tick.
    redrawDue_ = redrawDue_ || (keysShown_ && line != keysPolled_);
    keysPolled_ = line;
}

void PlayerLayer::showTimer(platform::OverlayPanel timer) {
    timer_ = std::move(timer);
}

void PlayerLayer::showSplit(platform::OverlayPanel split) {
    split_ = std::move(split);
    splitShownUntil_ = clock_.nowNs() + SplitShownNs;
    redrawDue_ = true;
}

void PlayerLayer::showResults(platform::OverlayPanel results) {
    results_ = std::move(results);
    redrawDue_ = true;
}

void PlayerLayer::showPlayback(platform::OverlayPanel progress) {
    progress_ = std::move(progress);
    redrawDue_ = true;
}

void PlayerLayer::showGhost(std::optional<platform::OverlayGhost> ghost) {
    ghost_ = std::move(ghost);
}

platform::Overlay PlayerLayer::overlay() const {
    platform::Overlay shown;
    shown.ghost = ghost_;
    if (timerShown_ && timer_) {
        shown.panels.push_back(*timer_);
    }
    if (splitShownUntil_ && split_) {
        shown.panels.push_back(*split_);
    }
    if (keysShown_) {
        shown.panels.push_back(keysShownPanel(keysPolled_));
    }
    if (results_) {
        shown.panels.push_back(*results_);
    }
    if (progress_) {
        shown.panels.push_back(*progress_);
    }
    if (presents_ == 1 && !holding()) {
        shown.panels.push_back(titleHintPanel(setUp_.keys));
    }
    if (paused_) {
        shown.panels.push_back(pausedPanel(setUp_.keys));
    }
    if (helpShown_) {
        shown.panels.push_back(helpPanel(setUp_.keys, furthestStage_, setUp_.bests));
        if (progress_) {
            shown.panels.push_back(playbackKeysPanel(setUp_.keys, setUp_.playbackRestarts));
        }
    }
    if (volumeShownUntil_) {
        shown.panels.push_back(volumePanel(volume_, muted_));
    }
    return shown;
}

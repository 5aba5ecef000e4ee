#include "shell/PlayerLayer.h"

#include <algorithm>
#include <utility>

using platform::PlayerAction;

PlayerLayer::PlayerLayer(PlayerLayerSetUp setUp, platform::Clock& clock)
    : setUp_(std::move(setUp)),
      clock_(clock),
      volume_(setUp_.volume),
      muted_(setUp_.muted),
      furthestStage_(setUp_.furthestStage) {}

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
        case PlayerAction::None:
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
    if (volumeShownUntil_ && clock_.nowNs() >= *volumeShownUntil_) {
        volumeShownUntil_.reset();
        redrawDue_ = true;
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

platform::Overlay PlayerLayer::overlay() const {
    platform::Overlay shown;
    if (presents_ == 1 && !holding()) {
        shown.push_back(titleHintPanel(setUp_.keys));
    }
    if (paused_) {
        shown.push_back(pausedPanel(setUp_.keys));
    }
    if (helpShown_) {
        shown.push_back(helpPanel(setUp_.keys, furthestStage_));
    }
    if (volumeShownUntil_) {
        shown.push_back(volumePanel(volume_, muted_));
    }
    return shown;
}

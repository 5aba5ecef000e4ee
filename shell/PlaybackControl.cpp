#include "shell/PlaybackControl.h"

#include <utility>

#include "shell/MessagePump.h"

using platform::PlayerAction;

PlaybackControl::PlaybackControl(PlayerLayer& layer, PlaybackClock& clock,
                                 std::function<PlaybackProgress()> progress, bool restarts)
    : layer_(layer), clock_(clock), progress_(std::move(progress)), restarts_(restarts) {}

bool PlaybackControl::act(PlayerAction action) {
    switch (action) {
        case PlayerAction::Step:
            // From a pause, or from frames still to step, a frame more; from play, a pause.
            if (layer_.holding() || framesToStep_ > 0) {
                ++framesToStep_;
                layer_.resume();
            } else {
                layer_.act(PlayerAction::Pause);
            }
            break;
        case PlayerAction::Pause:
            // Going on from frames being stepped: the keys may come faster than the frames.
            if (framesToStep_ == 0) {
                return false;
            }
            framesToStep_ = 0;
            break;
        case PlayerAction::Slower:
            clock_.setSpeedStep(clock_.speedStep() - 1);
            break;
        case PlayerAction::Faster:
            clock_.setSpeedStep(clock_.speedStep() + 1);
            break;
        case PlayerAction::NextStage:
            // Again during a skip, the skip ends: a screen that waits for a key shows no
            // picture that would end it.
            if (skippingFrom_) {
                endSkip();
            } else {
                skippingFrom_ = progress_().stage;
                picturesSkipped_ = 0;
                clock_.setSkipping(true);
                layer_.resume();
            }
            break;
        case PlayerAction::Restart:
            // The game closed as the window's close does, with nothing of it waited for.
            if (restarts_ && !restartAsked_) {
                restartAsked_ = true;
                framesToStep_ = 0;
                skippingFrom_.reset();
                clock_.setSkipping(true);
                layer_.resume();
                postQuitMessage();
            }
            break;
        default:
            return false;
    }
    showProgress();
    return true;
}

bool PlaybackControl::takeRestart() {
    if (!restartAsked_) {
        return false;
    }
    restartAsked_ = false;
    clock_.setSkipping(false);
    layer_.resume();
    return true;
}

bool PlaybackControl::presenting() {
    if (skippingFrom_) {
        if (progress_().stage == *skippingFrom_ && ++picturesSkipped_ < MaxPicturesSkipped) {
            return false;
        }
        endSkip();
    }
    showProgress();
    return true;
}

void PlaybackControl::endSkip() {
    skippingFrom_.reset();
    clock_.setSkipping(false);
}

void PlaybackControl::presented() {
    if (framesToStep_ > 0 && --framesToStep_ == 0) {
        layer_.act(PlayerAction::Pause);
    }
}

void PlaybackControl::showProgress() {
    layer_.showPlayback(progressPanel(progress_(), clock_.speedStep(), skippingFrom_.has_value()));
}

HRESULT PlaybackWindow::present(const platform::PictureView& picture) {
    if (!control_.presenting()) {
        return S_OK;
    }
    const HRESULT result = ForwardingWindow::present(picture);
    control_.presented();
    return result;
}

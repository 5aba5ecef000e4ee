#pragma once
// Steering a recording while it plays back: pause and go on (the player's layer's own pause), one
// frame at a time, slower and faster, on to the next stage, skipped through unseen, and back to
// the start. Only the pacing and which pictures are shown change: every poll reports what the
// recording holds.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/sdl/keys/PlayerKeys.h"
#include "shell/ForwardingWindow.h"
#include "shell/PlaybackClock.h"
#include "shell/PlaybackTexts.h"
#include "shell/PlayerLayer.h"

class PlaybackControl {
  public:
    // A skip ends after this many pictures (ten minutes of play) even within a stage.
    static constexpr int MaxPicturesSkipped = 36'000;

    // `progress` tells how far the recording has come; `clock` is the game's. `restarts`: whether
    // the player may take the playback back to its start.
    PlaybackControl(PlayerLayer& layer, PlaybackClock& clock,
                    std::function<PlaybackProgress()> progress, bool restarts);

    // Carries out a steering action; false for any other action, which is the layer's.
    bool act(platform::PlayerAction action);
    // Before each picture the game presents: whether it is shown, which it is not while the
    // game skips ahead. A skip ends at the first picture of another stage, or once
    // MaxPicturesSkipped were not shown.
    bool presenting();
    // After a picture shown: the last frame stepped to pauses again.
    void presented();
    // Once the game has ended: whether the player asked to start again, which the game was
    // closed for (its time running at once meanwhile); steered afresh from then on, unpaused, the
    // speed kept.
    bool takeRestart();

  private:
    void showProgress();
    void endSkip();

    PlayerLayer& layer_;
    PlaybackClock& clock_;
    std::function<PlaybackProgress()> progress_;
    int framesToStep_ = 0;                      // before the pause again
    std::optional<std::int32_t> skippingFrom_;  // the stage left
    int picturesSkipped_ = 0;
    bool restarts_;
    bool restartAsked_ = false;
};

// The game's window while a recording plays back: pictures shown as the steering says.
class PlaybackWindow final : public ForwardingWindow {
  public:
    PlaybackWindow(std::unique_ptr<platform::Window> shown, PlaybackControl& control)
        : ForwardingWindow(std::move(shown)), control_(control) {}

    HRESULT present(const platform::PictureView& picture) override;

  private:
    PlaybackControl& control_;
};

#pragma once
// The player's layer around the game: pause, help, the volume, the title's hint, the timer with
// the splits and results the desktop makes, the keys shown and a ghost. It acts on the player's
// actions at the game's next poll or wait and says what to draw over the picture;
// the game's clock and polls stop while it pauses (see PausingClock), and nothing it does
// reaches a poll or the game's picture.
#include <cstdint>
#include <functional>
#include <optional>

#include "keyscript/KeyScript.h"
#include "platform/sdl/keys/PlayerKeys.h"
#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/Overlay.h"
#include "shell/OverlayTexts.h"

struct PlayerLayerSetUp {
    int volume = 100;  // 0..100
    bool muted = false;
    std::int32_t furthestStage = 1;
    ShownKeys keys;
    bool timerShown = false;
    // A recording played back can go back to its start; not while it is recorded again.
    bool playbackRestarts = true;
    // The personal bests, for the help.
    platform::OverlayColumn bests = {};
    // The last picture shown again, with what is to be drawn over it now: at the tick after a
    // change, unless the game presents a picture first.
    std::function<void()> redraw;
    // The sound stopped where it is, or going on.
    std::function<void(bool paused)> pauseSound;
    // The volume that sounds from now on, 0 when muted: at the tick after a change.
    std::function<void(int volume)> setVolume;
};

class PlayerLayer {
  public:
    // How long a change of volume stays on view.
    static constexpr std::uint64_t VolumeShownNs = 1'500'000'000;
    static constexpr int VolumeStep = 10;
    // How long a stage's split stays on view.
    static constexpr std::uint64_t SplitShownNs = 3'000'000'000;

    // `clock`: real time, for how long the volume stays on view.
    PlayerLayer(PlayerLayerSetUp setUp, platform::Clock& clock);

    void act(platform::PlayerAction action);
    // Ends the pause and the help: the window is being closed, and the game must see it.
    void resume();
    // Before each picture the game presents: the title's hint is over the first one only.
    void presenting();
    // Takes away what has been on view long enough, sets the volume changed since the last
    // tick and redraws what changed since the last picture. Changes wait for it, so that a flood
    // of actions costs one volume set and one redraw, not one each.
    void tick();

    // The game waits: paused, or the help is on view.
    bool holding() const { return paused_ || helpShown_; }
    int volume() const { return volume_; }
    bool muted() const { return muted_; }
    void reachedStage(std::int32_t stage);
    std::int32_t furthestStage() const { return furthestStage_; }
    bool timerShown() const { return timerShown_; }

    // The game's keys at each poll, for the keys shown: the keys reported, those of them tapped.
    void polled(const platform::KeyReport& reported, const platform::KeyReport& tapped);
    // The run as the desktop follows it: the timer's panel, on view while the timer is; a
    // stage's split, on view for SplitShownNs; the results, on view from then on; the ghost's
    // ball, or none.
    void showTimer(platform::OverlayPanel timer);
    void showSplit(platform::OverlayPanel split);
    void showResults(platform::OverlayPanel results);
    void showGhost(std::optional<platform::OverlayGhost> ghost);
    // A recording played back: how far it has come, on view from then on; the help names the
    // keys that steer it.
    void showPlayback(platform::OverlayPanel progress);

    // What to draw over the picture now.
    platform::Overlay overlay() const;

  private:
    void changed(bool wasHolding);
    void stepVolume(int by);

    PlayerLayerSetUp setUp_;
    platform::Clock& clock_;
    bool paused_ = false;
    bool helpShown_ = false;
    int volume_;
    bool muted_;
    std::int32_t furthestStage_;
    int presents_ = 0;
    bool redrawDue_ = false;
    bool volumeDue_ = false;
    std::optional<std::uint64_t> volumeShownUntil_;
    bool timerShown_;
    bool keysShown_ = false;
    KeyScriptLine keysPolled_;
    std::optional<platform::OverlayPanel> timer_;
    std::optional<platform::OverlayPanel> split_;
    std::optional<std::uint64_t> splitShownUntil_;
    std::optional<platform::OverlayPanel> results_;
    std::optional<platform::OverlayGhost> ghost_;
    std::optional<platform::OverlayPanel> progress_;
};

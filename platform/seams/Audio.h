#pragma once
// The audio seam: starts a built-in wave by resource id without waiting for it.
#include <vector>

namespace platform {

class AudioOut {
  public:
    virtual ~AudioOut() = default;
    // Starts the wave; a wave still sounding is cut off. Never blocks, never fails visibly.
    virtual void playWave(int resourceId) = 0;
};

// Keeps the ids it was asked to play, in order, and plays nothing.
class RecordingAudio : public AudioOut {
  public:
    void playWave(int resourceId) override { played.push_back(resourceId); }
    std::vector<int> played;
};

// Plays nothing and keeps nothing: the game without sound.
class SilentAudio : public AudioOut {
  public:
    void playWave(int) override {}
};

AudioOut& audioOut();
void installAudioOut(AudioOut& audio);

}  // namespace platform

#pragma once
// Sound over SDL's audio device: every wave is converted to the device's format once, up front,
// so starting a cue only queues ready samples and never blocks the game.
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "platform/seams/Audio.h"

namespace platform {

class SdlAudio : public AudioOut {
  public:
    using Waves = std::map<int, std::span<const std::uint8_t>>;  // resource id → .wav file bytes

    // The program's built-in waves, at a volume from 0 (silent) to 100 (as recorded).
    explicit SdlAudio(int volume = 100);
    // The given waves. Without an audio device, or for a wave SDL cannot read, it stays silent.
    explicit SdlAudio(const Waves& waves, int volume = 100);
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Cuts off the sounding wave and starts this one; an id without a playable wave does nothing.
    void playWave(int resourceId) override;

    // From now on, waves start at this volume (0 to 100); one sounding keeps its own.
    void setVolume(int volume);
    // Paused, the device stops taking samples; the wave sounding goes on where it stopped.
    void setPaused(bool paused);

    bool canPlay(int resourceId) const;
    // Samples of the last started wave are still waiting for the device.
    bool sounding() const;

  private:
    void* alsa_ = nullptr;  // the ALSA library, held while its error reports are kept quiet
    bool subsystemStarted_ = false;
    std::uint32_t device_ = 0;
    std::uint16_t deviceFormat_ = 0;
    std::uint8_t deviceSilence_ = 0;
    std::map<int, std::vector<std::uint8_t>> asRecorded_;  // in the device's format
    std::map<int, std::vector<std::uint8_t>> converted_;   // at the volume
};

}  // namespace platform

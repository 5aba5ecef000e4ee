#include "platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <optional>

#include "assets/ResourceTable.h"

namespace platform {
namespace {

SdlAudio::Waves builtInWaves() {
    SdlAudio::Waves waves;
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == ResourceKind::Wave) {
            waves[resource.id] = findResource(ResourceKind::Wave, resource.id);
        }
    }
    return waves;
}

// Samples in the device's format, scaled once so that playing them costs nothing more.
std::vector<std::uint8_t> atVolume(const std::vector<std::uint8_t>& samples, SDL_AudioFormat format,
                                   Uint8 silence, int volume) {
    if (volume >= 100) {
        return samples;
    }
    std::vector<std::uint8_t> quieter(samples.size(), silence);
    SDL_MixAudioFormat(quieter.data(), samples.data(), format, static_cast<Uint32>(samples.size()),
                       volume * SDL_MIX_MAXVOLUME / 100);
    return quieter;
}

// The samples of a whole .wav file in the device's format, or nothing when SDL cannot read it.
// SDL_AudioCVT converts the whole buffer at once, so the tail of the sound is kept.
std::optional<std::vector<std::uint8_t>> convertWave(std::span<const std::uint8_t> file,
                                                     const SDL_AudioSpec& device) {
    if (file.size() > INT_MAX) {
        return std::nullopt;
    }
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    SDL_AudioSpec wave;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (source == nullptr || SDL_LoadWAV_RW(source, 1, &wave, &samples, &length) == nullptr) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> converted;
    SDL_AudioCVT cvt;
    if (length <= INT_MAX && SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq,
                                               device.format, device.channels, device.freq) >= 0) {
        std::vector<std::uint8_t> buffer(std::size_t{length} *
                                         static_cast<std::size_t>(cvt.len_mult));
        std::copy(samples, samples + length, buffer.begin());
        cvt.buf = buffer.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) == 0) {
            buffer.resize(static_cast<std::size_t>(cvt.len_cvt));
            converted = std::move(buffer);
        }
    }
    SDL_FreeWAV(samples);
    return converted;
}

void ignoreAlsaReport(const char*, int, const char*, int, const char*, ...) {}

// ALSA writes to stderr when it finds no sound card, while the game runs silent without a word.
// Its error handler is taken over in the library SDL will load, kept loaded for as long as SDL
// may use it. Null when ALSA is not there.
void* quietenAlsa() {
    void* alsa = SDL_LoadObject("libasound.so.2");
    if (alsa == nullptr) {
        SDL_ClearError();
        return nullptr;
    }
    using Report = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Report);
    if (auto setHandler =
            reinterpret_cast<SetHandler>(SDL_LoadFunction(alsa, "snd_lib_error_set_handler"))) {
        setHandler(&ignoreAlsaReport);
    }
    return alsa;
}

}  // namespace

SdlAudio::SdlAudio(int volume) : SdlAudio(builtInWaves(), volume) {}

SdlAudio::SdlAudio(const Waves& waves, int volume) : alsa_(quietenAlsa()) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    subsystemStarted_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    SDL_AudioSpec obtained{};
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        return;
    }
    deviceFormat_ = obtained.format;
    deviceSilence_ = obtained.silence;
    for (const auto& [id, file] : waves) {
        if (auto samples = convertWave(file, obtained)) {
            asRecorded_[id] = std::move(*samples);
        }
    }
    setVolume(volume);
    SDL_PauseAudioDevice(device_, 0);
}

// Scaled once for every wave here, so that starting one still only queues ready samples.
void SdlAudio::setVolume(int volume) {
    for (const auto& [id, samples] : asRecorded_) {
        converted_[id] = atVolume(samples, deviceFormat_, deviceSilence_, volume);
    }
}

void SdlAudio::setPaused(bool paused) {
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, paused ? 1 : 0);
    }
}

SdlAudio::~SdlAudio() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (alsa_ != nullptr) {
        SDL_UnloadObject(alsa_);
    }
}

void SdlAudio::playWave(int resourceId) {
    if (!canPlay(resourceId)) {
        return;
    }
    const std::vector<std::uint8_t>& samples = converted_.at(resourceId);
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size()));
}

bool SdlAudio::canPlay(int resourceId) const {
    return converted_.contains(resourceId);  // filled only once a device is open
}

bool SdlAudio::sounding() const {
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

}  // namespace platform

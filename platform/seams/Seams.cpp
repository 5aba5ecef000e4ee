// The installed implementation of each seam; scripted ones until the program installs others.
#include "platform/seams/Audio.h"
#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"

namespace platform {
namespace {

template <typename Seam, typename Default>
struct Installed {
    Default fallback;
    Seam* current = &fallback;
};

// Function-local statics: seams may be used by other static initialisers.
template <typename Seam, typename Default>
Installed<Seam, Default>& installed() {
    static Installed<Seam, Default> seam;
    return seam;
}

auto& installedClock = installed<Clock, VirtualClock>;
auto& installedKeys = installed<KeySource, ScriptedKeySource>;
auto& installedAudio = installed<AudioOut, RecordingAudio>;
auto& installedEvents = installed<WindowEvents, ScriptedWindowEvents>;

}  // namespace

Clock& clock() {
    return *installedClock().current;
}
void installClock(Clock& clock) {
    installedClock().current = &clock;
}

KeySource& keySource() {
    return *installedKeys().current;
}
void installKeySource(KeySource& source) {
    installedKeys().current = &source;
}

AudioOut& audioOut() {
    return *installedAudio().current;
}
void installAudioOut(AudioOut& audio) {
    installedAudio().current = &audio;
}

WindowEvents& windowEvents() {
    return *installedEvents().current;
}
void installWindowEvents(WindowEvents& events) {
    installedEvents().current = &events;
}

}  // namespace platform

// The installed implementation of each seam; scripted ones until the program installs others.
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"
#include "platform/WindowEvents.h"

namespace platform {
namespace {

template <typename Seam, typename Default>
struct Installed {
    Default fallback;
    Seam* current = &fallback;
};

Installed<Clock, VirtualClock> installedClock;
Installed<KeySource, ScriptedKeySource> installedKeys;
Installed<AudioOut, RecordingAudio> installedAudio;
Installed<WindowEvents, ScriptedWindowEvents> installedEvents;

}  // namespace

Clock& clock() { return *installedClock.current; }
void installClock(Clock& clock) { installedClock.current = &clock; }

KeySource& keySource() { return *installedKeys.current; }
void installKeySource(KeySource& source) { installedKeys.current = &source; }

AudioOut& audioOut() { return *installedAudio.current; }
void installAudioOut(AudioOut& audio) { installedAudio.current = &audio; }

WindowEvents& windowEvents() { return *installedEvents.current; }
void installWindowEvents(WindowEvents& events) { installedEvents.current = &events; }

}  // namespace platform

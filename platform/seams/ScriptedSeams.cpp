// The scripted and virtual implementations used by tests and the replay tool.
#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"

namespace platform {

void VirtualClock::sleep(std::uint32_t ms) {
    const std::uint64_t ns = std::uint64_t{ms} * 1'000'000;
    now_ += ns;
    waited_ += ns;
}

void VirtualClock::sleepUntilNs(std::uint64_t deadlineNs) {
    if (deadlineNs > now_) {
        waited_ += deadlineNs - now_;
        now_ = deadlineNs;
    }
}

void ScriptedKeySource::poll(KeyReport& reported) {
    for (std::size_t vk = 0; vk < reported.size(); ++vk) {
        reported[vk] = down_[vk] || pressedSincePoll_[vk];
        tapped_[vk] = !down_[vk] && pressedSincePoll_[vk];
    }
    pressedSincePoll_ = {};
}

void ScriptedKeySource::press(int vk) {
    if (vk >= 0 && vk < 256) {
        down_[vk] = true;
        pressedSincePoll_[vk] = true;
    }
}

void ScriptedKeySource::release(int vk) {
    if (vk >= 0 && vk < 256) {
        down_[vk] = false;
    }
}

void ScriptedKeySource::tap(int vk) {
    press(vk);
    release(vk);
}

bool ScriptedWindowEvents::nextMessage(WindowMessage& out) {
    if (queue_.empty()) {
        return false;
    }
    out = queue_.front();
    queue_.pop_front();
    return true;
}

}  // namespace platform

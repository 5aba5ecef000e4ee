#pragma once
// The key-state seam: the platform's asynchronous key state, by Win32 virtual-key code.
#include <array>

namespace platform {

using KeyReport = std::array<bool, 256>;

class KeySource {
  public:
    virtual ~KeySource() = default;
    // One poll of all 256 codes: true where the key is down now or has been pressed since the
    // previous poll, false elsewhere; every entry is set. Each poll consumes the presses it
    // reports.
    virtual void poll(KeyReport& reported) = 0;
    // Of the keys the latest poll reported, those that were up again by then: pressed and
    // released between two polls. None from a source that cannot tell.
    virtual KeyReport tappedAtLatestPoll() const { return {}; }
};

// Keys pressed and released by hand, reported with the same latch the platform keeps.
class ScriptedKeySource : public KeySource {
  public:
    void poll(KeyReport& reported) override;
    KeyReport tappedAtLatestPoll() const override { return tapped_; }
    void press(int vk);
    void release(int vk);
    // A press and release between two polls: reported once, at the next poll.
    void tap(int vk);

  private:
    std::array<bool, 256> down_{};
    std::array<bool, 256> pressedSincePoll_{};
    KeyReport tapped_{};
};

KeySource& keySource();
void installKeySource(KeySource& source);

}  // namespace platform

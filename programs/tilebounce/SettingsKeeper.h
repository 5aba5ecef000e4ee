#pragma once
// The settings kept while the game runs: looked at twice a second and written as soon as what
// is kept has changed, so that a change is on disk within a second, and once more at the end.
// A write that fails is named once on stderr; the game goes on, and tries again at the next
// change.
#include <cstdint>
#include <functional>

#include "platform/seams/Clock.h"
#include "programs/tilebounce/Settings.h"

class SettingsKeeper {
  public:
    static constexpr std::uint64_t LookEveryNs = 500'000'000;

    // `now`: the settings to keep as things stand; `clock`: real time.
    SettingsKeeper(SettingsFile read, std::function<Settings()> now, platform::Clock& clock);

    // Writes what changed, when it is time to look again.
    void keepSoon();
    // Writes what changed.
    void keepNow();

  private:
    SettingsFile file_;
    Settings written_;
    std::function<Settings()> now_;
    platform::Clock& clock_;
    std::uint64_t nextLookNs_ = 0;
};

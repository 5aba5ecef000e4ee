#pragma once
// The settings kept while the game runs: looked at twice a second and written as soon as what
// is kept has changed, so that a change is on disk within a second, and once more at the end.
// Only what this game changed is written, over what the file holds at that moment, so that two
// games on one file keep each other's changes. A write that fails is named once on stderr; the
// game goes on, and tries again at the next change and at the end.
#include <cstdint>
#include <filesystem>
#include <functional>

#include "platform/seams/Clock.h"
#include "programs/tilebounce/SettingsFile.h"

class SettingsKeeper {
  public:
    static constexpr std::uint64_t LookEveryNs = 500'000'000;

    // `now`: the settings to keep as things stand; `clock`: real time.
    SettingsKeeper(const SettingsFile& read, std::function<Settings()> now, platform::Clock& clock);

    // Writes what changed since the last look, when it is time to look again.
    void keepSoon();
    // Writes what changed and is not yet written.
    void keepNow();

  private:
    void write(const Settings& kept);

    std::filesystem::path path_;
    // The settings as this game last wrote them (or read them): what a change is measured from.
    Settings written_;
    // The settings this game last tried to write.
    Settings tried_;
    bool failureNamed_ = false;
    std::function<Settings()> now_;
    platform::Clock& clock_;
    std::uint64_t nextLookNs_ = 0;
};

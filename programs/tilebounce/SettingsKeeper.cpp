#include "programs/tilebounce/SettingsKeeper.h"

#include <cstdio>
#include <string>
#include <utility>

SettingsKeeper::SettingsKeeper(const SettingsFile& read, std::function<Settings()> now,
                               platform::Clock& clock)
    : path_(read.path),
      written_(read.settings),
      tried_(read.settings),
      now_(std::move(now)),
      clock_(clock) {}

void SettingsKeeper::keepSoon() {
    if (clock_.nowNs() < nextLookNs_) {
        return;
    }
    nextLookNs_ = clock_.nowNs() + LookEveryNs;
    if (const Settings kept = now_(); kept != tried_) {
        write(kept);
    }
}

void SettingsKeeper::keepNow() {
    if (const Settings kept = now_(); kept != written_) {
        write(kept);
    }
}

void SettingsKeeper::write(const Settings& kept) {
    tried_ = kept;
    if (path_.empty()) {
        return;
    }
    // Read again just before: another game may have written the file since.
    const SettingsFile onDisk = readSettings(path_);
    std::string error;
    if (!writeSettings(onDisk, changesOver(onDisk.settings, written_, kept), error)) {
        if (!failureNamed_) {
            std::fprintf(stderr, "tilebounce: the settings were not saved: %s\n", error.c_str());
        }
        failureNamed_ = true;
        return;
    }
    written_ = kept;
    failureNamed_ = false;
}

#include "programs/tilebounce/SettingsKeeper.h"

#include <cstdio>
#include <string>
#include <utility>

SettingsKeeper::SettingsKeeper(SettingsFile read, std::function<Settings()> now,
                               platform::Clock& clock)
    : file_(std::move(read)), written_(file_.settings), now_(std::move(now)), clock_(clock) {}

void SettingsKeeper::keepSoon() {
    if (clock_.nowNs() < nextLookNs_) {
        return;
    }
    nextLookNs_ = clock_.nowNs() + LookEveryNs;
    keepNow();
}

void SettingsKeeper::keepNow() {
    const Settings kept = now_();
    if (kept == written_ || file_.path.empty()) {
        return;
    }
    written_ = kept;
    std::string error;
    if (!writeSettings(file_, kept, error)) {
        std::fprintf(stderr, "tilebounce: the settings were not saved: %s\n", error.c_str());
        return;
    }
    file_.damage.clear();  // set aside with the first write; what is there now is whole
}

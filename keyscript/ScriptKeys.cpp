#include "keyscript/ScriptKeys.h"

ScriptKeySource::ScriptKeySource(KeyScriptReader& script, platform::KeySource* live)
    : script_(script), live_(live) {
    exhausted_ = !script_.next(line_);
}

void ScriptKeySource::poll(platform::KeyReport& reported) {
    if (live_ != nullptr) {
        live_->poll(reported);
    }
    ++polls_;
    if (exhausted_) {
        reported = {};
        tapped_ = {};
        return;
    }
    reported = reportedKeys(line_);
    tapped_ = reportedKeys({.count = 1, .tapped = line_.tapped});
    if (++usedOfLine_ == line_.count) {
        usedOfLine_ = 0;
        exhausted_ = !script_.next(line_);
    }
}

bool ScriptWindowEvents::nextMessage(platform::WindowMessage& out) {
    if (!keys_.exhausted()) {
        return live_ != nullptr && live_->nextMessage(out);
    }
    if (closingMessagesSent_ == 2) {
        return false;
    }
    out = {++closingMessagesSent_ == 1 ? WM_DESTROY : WM_QUIT, 0, 0};
    return true;
}

#include "keyscript/KeyRecorder.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/files/FileIdentity.h"
#include "platform/files/QuotedText.h"
#include "platform/files/WriteStream.h"
#include "platform/seams/Clock.h"

namespace {

constexpr std::uint64_t FlushEveryNs = 1'000'000'000;

bool sameKeys(const KeyScriptLine& a, const KeyScriptLine& b) {
    return a.held == b.held && a.tapped == b.tapped;
}

}  // namespace

KeyRecorder::KeyRecorder(std::function<void(const std::string&)> warn) : warn_(std::move(warn)) {}

KeyRecorder::~KeyRecorder() {
    finish();
}

bool KeyRecorder::open(const std::string& path, std::int32_t startStage, std::string& error) {
    path_ = path;
    std::string reason;
    file_ = platform::openWriteStream(path, reason);
    if (file_ == nullptr) {
        error = "cannot write the recording " + quotedPath(path) + ": " + reason;
        return false;
    }
    if (startStage != 1) {
        check(std::fprintf(file_, "stage %d\n", static_cast<int>(startStage)) >= 0);
    }
    nextFlushNs_ = platform::clock().nowNs() + FlushEveryNs;
    return true;
}

void KeyRecorder::poll(platform::KeyReport& reported) {
    keys_->poll(reported);
    ++polls_;
    if (file_ == nullptr) {
        return;
    }
    const KeyScriptLine polled = linePolled(reported, keys_->tappedAtLatestPoll());
    if (run_ && sameKeys(*run_, polled) && run_->count < MaxKeyScriptCount) {
        ++run_->count;
    } else {
        writeRun();
        run_ = polled;
    }
    if (const std::uint64_t now = platform::clock().nowNs(); now >= nextFlushNs_) {
        // The run so far goes out now; the polls after it start a line of their own.
        writeOut();
        nextFlushNs_ = now + FlushEveryNs;
    }
}

bool KeyRecorder::finish(const std::string& lastComment) {
    writeRun();
    if (file_ != nullptr && !lastComment.empty()) {
        check(std::fprintf(file_, "# %s\n", lastComment.c_str()) >= 0);
    }
    writeOut();
    if (file_ != nullptr && platform::fileLeftItsPath(file_, path_)) {
        failed_ = true;
        warn_("the recording " + quotedPath(path_) +
              " was removed or replaced while the game ran: it is lost");
    }
    if (file_ != nullptr) {
        check(std::fclose(std::exchange(file_, nullptr)) == 0);
    }
    return !failed_;
}

void KeyRecorder::writeOut() {
    writeRun();
    if (file_ != nullptr) {
        check(std::fflush(file_) == 0);
    }
}

void KeyRecorder::writeRun() {
    if (run_ && file_ != nullptr) {
        check(std::fprintf(file_, "%s\n", formatKeyScriptLine(*run_).c_str()) >= 0);
    }
    run_.reset();
}

void KeyRecorder::check(bool written) {
    if (written || failed_) {
        return;
    }
    failed_ = true;
    warn_("cannot write the recording " + quotedPath(path_) + ": " + std::strerror(errno));
    if (file_ != nullptr) {
        std::fclose(std::exchange(file_, nullptr));
    }
}

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
    write(runs_.add(linePolled(reported, keys_->tappedAtLatestPoll())));
    if (const std::uint64_t now = platform::clock().nowNs(); now >= nextFlushNs_) {
        // The run so far goes out now; the polls after it start a line of their own.
        writeOut();
        nextFlushNs_ = now + FlushEveryNs;
    }
}

bool KeyRecorder::finish(const std::string& lastComment) {
    write(runs_.end());
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
    write(runs_.end());
    if (file_ != nullptr) {
        check(std::fflush(file_) == 0);
    }
}

void KeyRecorder::write(const std::optional<KeyScriptLine>& line) {
    if (line && file_ != nullptr) {
        check(std::fprintf(file_, "%s\n", formatKeyScriptLine(*line).c_str()) >= 0);
    }
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

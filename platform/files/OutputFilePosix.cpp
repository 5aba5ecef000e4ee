#include "platform/files/OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/files/OpenWithoutWaiting.h"
#include "platform/files/PartFiles.h"
#include "platform/web/BrowserPage.h"

namespace {

// Where a path leads once every symbolic link on the way is followed. A path into /proc (which
// /dev/stdout and /dev/fd/N lead to) names a stream already open, and is not followed further.
struct Destination {
    std::string path;
    bool openStream = false;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Destination destinationOf(std::string path) {
    constexpr int MostLinks = 40;
    for (int link = 0; link < MostLinks; ++link) {
        const std::unique_ptr<char, decltype(&std::free)> folder(
            ::realpath(folderOf(path).c_str(), nullptr), &std::free);
        if (!folder) {
            return {path};  // the open that follows names the reason
        }
        const std::string_view real = folder.get();
        if (real == "/proc" || real.starts_with("/proc/")) {
            return {path, true};
        }
        path = (real == "/" ? "" : std::string(real)) + "/" + nameOf(path);
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
            return {path};
        }
        const std::string to(target.data(), static_cast<std::size_t>(length));
        path = to.starts_with('/') ? to : std::string(real) + "/" + to;
    }
    return {path};
}

// What stands at a path that is neither a file nor a stream, as a refusal's reason.
const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    if (S_ISBLK(mode)) {
        return "it is a block device, which is never replaced";
    }
    if (S_ISCHR(mode)) {
        return "it is a device that is not a terminal, which is never replaced";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket";
    }
    return "it is not a file, a FIFO or a terminal";
}

// "NAME.PID.part" files beside `target` whose process is gone: left by a program killed outright.
void removeStaleParts(const std::string& target) {
    struct Closer {
        void operator()(DIR* folder) const { ::closedir(folder); }
    };
    const std::unique_ptr<DIR, Closer> folder(::opendir(folderOf(target).c_str()));
    if (!folder) {
        return;
    }
    const std::string name = nameOf(target);
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::optional<std::int32_t> owner = platform::partFileOwner(entry->d_name, name);
        if (owner && *owner != ::getpid() && ::kill(*owner, 0) != 0 && errno == ESRCH) {
            ::unlink((folderOf(target) + "/" + entry->d_name).c_str());
        }
    }
}

}  // namespace

OutputFile::OutputFile(std::string path, std::string what)
    : path_(std::move(path)), what_(std::move(what)) {}

OutputFile::~OutputFile() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!completed_ && !temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
    }
    platform::forgetPartFile(partSlot_);
}

bool OutputFile::open(std::string& error) {
    const Destination destination = destinationOf(path_);
    if (destination.openStream) {
        return openStream(path_, false, error);
    }
    struct stat status {};
    if (::stat(destination.path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) {
        return openTemporary(destination.path, error);
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        return openStream(destination.path, true, error);
    }
    error = cannotWrite(kindOf(status.st_mode));
    return false;
}

bool OutputFile::openTemporary(const std::string& target, std::string& error) {
    removeStaleParts(target);
    const std::string temporary = target + "." + std::to_string(::getpid()) + ".part";
    descriptor_ = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0) {
        error = failure(errno);
        return false;
    }
    temporaryPath_ = temporary;
    partSlot_ = platform::watchPartFile(temporary.c_str());
    // The file replaced keeps its mode: a file the player made private stays private.
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0 &&
        ::fchmod(descriptor_, replaced.st_mode & 07777) != 0) {
        error = failure(errno);
        return false;
    }
    target_ = target;
    return makeStream(error);
}

// Opened without waiting for a reader, then written as any stream is, waiting when it is full.
bool OutputFile::openStream(const std::string& path, bool onlyTerminals, std::string& error) {
    std::string reason;
    descriptor_ = platform::openWithoutWaiting(path, O_WRONLY | O_APPEND, reason);
    if (descriptor_ < 0) {
        error = cannotWrite(reason);
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        error = failure(errno);
        return false;
    }
    if (onlyTerminals && S_ISCHR(status.st_mode) && ::isatty(descriptor_) == 0) {
        error = cannotWrite(kindOf(status.st_mode));
        return false;
    }
    return makeStream(error);
}

bool OutputFile::makeStream(std::string& error) {
    stream_ = ::fopencookie(this, "w",
                            {.read = nullptr, .write = writeOut, .seek = seek, .close = nullptr});
    if (stream_ == nullptr) {
        error = failure(errno);
        return false;
    }
    return true;
}

ssize_t OutputFile::writeOut(void* self, const char* bytes, std::size_t size) {
    auto& file = *static_cast<OutputFile*>(self);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(file.descriptor_, bytes + done, size - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            if (file.firstWriteError_ == 0) {
                file.firstWriteError_ = wrote < 0 ? errno : ENOSPC;
            }
            return 0;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return static_cast<ssize_t>(size);
}

// A stream that cannot seek (a pipe) fails a writer that must: that, too, is a failed write.
int OutputFile::seek(void* self, off64_t* offset, int whence) {
    auto& file = *static_cast<OutputFile*>(self);
    const off64_t moved = ::lseek64(file.descriptor_, *offset, whence);
    if (moved < 0) {
        if (file.firstWriteError_ == 0) {
            file.firstWriteError_ = errno;
        }
        return -1;
    }
    *offset = moved;
    return 0;
}

bool OutputFile::sync(std::string& error) {
    if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0 || firstWriteError_ != 0) {
        error = failure(firstWriteError_ != 0 ? firstWriteError_ : EIO);
        return false;
    }
    // On the disk before it takes the path's place: a crash then leaves the old file or the new.
    if (!target_.empty() && ::fsync(descriptor_) != 0) {
        firstWriteError_ = errno;
        error = failure(errno);
        return false;
    }
    return true;
}

bool OutputFile::complete(std::string& error) {
    const bool synced = sync(error);
    std::fclose(std::exchange(stream_, nullptr));
    const bool closed = ::close(std::exchange(descriptor_, -1)) == 0;
    if (!synced) {
        return false;
    }
    if (!closed || (!target_.empty() && ::rename(temporaryPath_.c_str(), target_.c_str()) != 0)) {
        error = failure(errno);
        return false;
    }
    completed_ = true;
    platform::announceFileWritten(path_.c_str());
    return true;
}

std::string OutputFile::writeFailure() const {
    return firstWriteError_ != 0 ? failure(firstWriteError_) : "";
}

#include "platform/OutputFile.h"

#include "platform/BrowserPage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

OutputFile::OutputFile(std::string path, std::string what)
    : path_(std::move(path)),
      what_(std::move(what)),
      temporaryPath_(path_ + "." + std::to_string(::getpid()) + ".part") {}

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
}

bool OutputFile::open(std::string& error) {
    descriptor_ = ::open(temporaryPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0) {
        error = failure(errno);
        temporaryPath_.clear();  // not ours to remove
        return false;
    }
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

int OutputFile::seek(void* self, off64_t* offset, int whence) {
    const off64_t moved = ::lseek64(static_cast<OutputFile*>(self)->descriptor_, *offset, whence);
    if (moved < 0) {
        return -1;
    }
    *offset = moved;
    return 0;
}

bool OutputFile::complete(std::string& error) {
    const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    std::fclose(stream_);
    stream_ = nullptr;
    // On the disk before it takes the path's place: a crash then leaves the old file or the new.
    if (flushed && firstWriteError_ == 0 && ::fsync(descriptor_) != 0) {
        firstWriteError_ = errno;
    }
    const bool closed = ::close(std::exchange(descriptor_, -1)) == 0;
    if (!flushed || firstWriteError_ != 0) {
        error = failure(firstWriteError_ != 0 ? firstWriteError_ : EIO);
        return false;
    }
    if (!closed || ::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
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

std::string OutputFile::failure(int error) const {
    return "cannot write " + what_ + " " + path_ + ": " + std::strerror(error);
}

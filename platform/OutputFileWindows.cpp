#include "platform/OutputFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

// Windows has no streams over one's own write function: the stream writes to the file itself,
// and a failed write shows in its error flag.
OutputFile::OutputFile(std::string path, std::string what)
    : path_(std::move(path)),
      what_(std::move(what)),
      temporaryPath_(path_ + "." + std::to_string(_getpid()) + ".part") {}

OutputFile::~OutputFile() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
    if (!completed_ && !temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
    }
}

bool OutputFile::open(std::string& error) {
    descriptor_ =
        _open(temporaryPath_.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
              _S_IREAD | _S_IWRITE);
    if (descriptor_ < 0) {
        error = failure(errno);
        temporaryPath_.clear();  // not ours to remove
        return false;
    }
    stream_ = _fdopen(descriptor_, "wb");
    if (stream_ == nullptr) {
        error = failure(errno);
        _close(descriptor_);
        return false;
    }
    return true;
}

bool OutputFile::complete(std::string& error) {
    const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!flushed || !closed) {
        error = failure(EIO);
        return false;
    }
    // Unlike rename, this replaces a file already at the path.
    if (!MoveFileExA(temporaryPath_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = "cannot write " + what_ + " " + path_ + ": " +
                std::system_category().message(static_cast<int>(GetLastError()));
        return false;
    }
    completed_ = true;
    return true;
}

std::string OutputFile::writeFailure() const {
    return stream_ != nullptr && std::ferror(stream_) != 0 ? failure(EIO) : "";
}

std::string OutputFile::failure(int error) const {
    return "cannot write " + what_ + " " + path_ + ": " + std::strerror(error);
}

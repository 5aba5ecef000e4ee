#include "platform/OutputFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/PartFiles.h"

// Windows has no streams over one's own write function: the stream writes to the file itself,
// and a failed write shows in its error flag. Its outputs are files: a folder at the path is
// refused.
namespace {

bool processIsGone(DWORD process) {
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    if (handle == nullptr) {
        return GetLastError() == ERROR_INVALID_PARAMETER;  // no process has that number
    }
    const bool ended = WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
    CloseHandle(handle);
    return ended;
}

// "NAME.PID.part" files beside `target` whose process is gone: left by a program killed outright
// (or whose console window was closed, which no signal reports).
void removeStaleParts(const std::string& target) {
    const std::size_t slash = target.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "\\" + name + ".*.part").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::optional<std::int32_t> owner = platform::partFileOwner(found.cFileName, name);
        if (owner && static_cast<DWORD>(*owner) != GetCurrentProcessId() &&
            processIsGone(static_cast<DWORD>(*owner))) {
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

OutputFile::OutputFile(std::string path, std::string what)
    : path_(std::move(path)), what_(std::move(what)) {}

OutputFile::~OutputFile() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
    if (!completed_ && !temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
    }
    platform::forgetPartFile(partSlot_);
}

bool OutputFile::open(std::string& error) {
    const DWORD attributes = GetFileAttributesA(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = "cannot write " + what_ + " " + path_ + ": it is a folder";
        return false;
    }
    removeStaleParts(path_);
    const std::string temporary = path_ + "." + std::to_string(_getpid()) + ".part";
    descriptor_ =
        _open(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
              _S_IREAD | _S_IWRITE);
    if (descriptor_ < 0) {
        error = failure(errno);
        return false;
    }
    temporaryPath_ = temporary;
    partSlot_ = platform::watchPartFile(temporary.c_str());
    target_ = path_;
    stream_ = _fdopen(descriptor_, "wb");
    if (stream_ == nullptr) {
        error = failure(errno);
        _close(descriptor_);
        return false;
    }
    return true;
}

bool OutputFile::sync(std::string& error) {
    if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0 || _commit(descriptor_) != 0) {
        error = failure(EIO);
        return false;
    }
    return true;
}

bool OutputFile::complete(std::string& error) {
    const bool synced = sync(error);
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!synced || !closed) {
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

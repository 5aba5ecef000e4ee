#include "platform/files/OutputFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/files/PartFiles.h"

// Windows has no streams over one's own write function: the stream writes to the file itself,
// and a failed write shows in its error flag. A pipe at the path (\\.\pipe\NAME) is written as a
// stream; a folder or a device (NUL, CON, COM1) is refused.
namespace {

enum class Existing { FileOrNothing, Pipe, Folder, Device };

// What stands at `path`; for a pipe, `pipe` is left open for writing.
Existing existingAt(const std::string& path, HANDLE& pipe) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Existing::Folder;
    }
    // Opened as it stands (a file is neither created nor cut short), as the one way to learn
    // what kind of thing it is; a pipe must stay open, as a second open would be a second client.
    const HANDLE opened =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return Existing::FileOrNothing;  // the open that follows names any reason
    }
    const DWORD type = GetFileType(opened);
    if (type == FILE_TYPE_PIPE) {
        pipe = opened;
        return Existing::Pipe;
    }
    CloseHandle(opened);
    return type == FILE_TYPE_DISK ? Existing::FileOrNothing : Existing::Device;
}

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
    HANDLE pipe = INVALID_HANDLE_VALUE;
    switch (existingAt(path_, pipe)) {
        case Existing::Folder:
            error = cannotWrite("it is a folder");
            return false;
        case Existing::Device:
            error = cannotWrite("it is a device, which is never replaced");
            return false;
        case Existing::Pipe:
            descriptor_ = _open_osfhandle(reinterpret_cast<intptr_t>(pipe), _O_WRONLY | _O_BINARY);
            if (descriptor_ < 0) {
                CloseHandle(pipe);
                error = failure(errno);
                return false;
            }
            return makeStream(error);
        case Existing::FileOrNothing:
            break;
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
    return makeStream(error);
}

bool OutputFile::makeStream(std::string& error) {
    stream_ = _fdopen(descriptor_, "wb");
    if (stream_ == nullptr) {
        error = failure(errno);
        _close(descriptor_);
        return false;
    }
    return true;
}

bool OutputFile::sync(std::string& error) {
    // Only a file goes to the disk; a pipe has none.
    if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0 ||
        (!target_.empty() && _commit(descriptor_) != 0)) {
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
    if (!target_.empty() &&
        !MoveFileExA(temporaryPath_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = cannotWrite(std::system_category().message(static_cast<int>(GetLastError())));
        return false;
    }
    completed_ = true;
    return true;
}

std::string OutputFile::writeFailure() const {
    return stream_ != nullptr && std::ferror(stream_) != 0 ? failure(EIO) : "";
}

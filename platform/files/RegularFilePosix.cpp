#include "platform/files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::string notAFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder, not a file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a FIFO, not a file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a file";
    }
    return "it is not a regular file";
}

// The content of an open file when it is a regular file of at most maxBytes bytes. A file that
// shrinks while it is read gives what it still holds; the checks then judge it.
std::optional<std::vector<std::uint8_t>> readOpenFile(int descriptor, std::size_t maxBytes,
                                                      std::string& problem) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        problem = std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = notAFile(info.st_mode);
        return std::nullopt;
    }
    if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        problem = tooLarge(maxBytes);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            problem = std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readRegularFile(const char* path, std::size_t maxBytes,
                                                         std::string& problem) {
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0) {
        problem = std::strerror(errno);
        return std::nullopt;
    }
    auto content = readOpenFile(descriptor, maxBytes, problem);
    ::close(descriptor);
    return content;
}

}  // namespace platform

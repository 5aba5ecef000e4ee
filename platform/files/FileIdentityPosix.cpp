#include "platform/files/FileIdentity.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>

namespace platform {
namespace {

// Where a file not there yet would be made at `path`: a dangling link followed to its end, the
// rest made absolute with every link and "." and ".." on the way resolved.
bool sameIdentity(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

std::optional<std::filesystem::path> placeOf(std::filesystem::path path) {
    constexpr int MostLinks = 40;
    std::error_code error;
    for (int link = 0; std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
         ++link) {
        const std::filesystem::path to = std::filesystem::read_symlink(path, error);
        if (error || link == MostLinks) {
            return std::nullopt;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    // Made absolute first: with nothing of it there, weakly_canonical leaves a path relative.
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    std::filesystem::path place =
        error ? std::filesystem::path() : std::filesystem::weakly_canonical(absolute, error);
    return error || place.empty() ? std::nullopt : std::optional(place);
}

}  // namespace

bool sameFile(const std::string& first, const std::string& second) {
    struct stat one {};
    struct stat other {};
    const bool firstThere = ::stat(first.c_str(), &one) == 0;
    const bool secondThere = ::stat(second.c_str(), &other) == 0;
    if (firstThere || secondThere) {
        return firstThere && secondThere && sameIdentity(one, other);
    }
    const auto firstPlace = placeOf(first);
    const auto secondPlace = placeOf(second);
    return firstPlace && secondPlace && *firstPlace == *secondPlace;
}

bool fileLeftItsPath(std::FILE* stream, const std::string& path) {
    struct stat open {};
    struct stat there {};
    if (::fstat(::fileno(stream), &open) != 0 || !S_ISREG(open.st_mode)) {
        return false;
    }
    return ::stat(path.c_str(), &there) != 0 || !sameIdentity(open, there);
}

}  // namespace platform

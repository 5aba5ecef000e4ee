#include "platform/files/ReplacedFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files/OutputFile.h"
#include "platform/files/QuotedText.h"
#include "platform/files/RegularFile.h"

namespace platform {
namespace {

// A free name beside `file` for the old one: FILE.damaged, or .damaged.2, ... when taken.
std::string asideName(const std::string& file) {
    std::error_code unknown;
    std::string aside = file + ".damaged";
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(aside, unknown)); ++n) {
        aside = file + ".damaged." + std::to_string(n);
    }
    return aside;
}

}  // namespace

KeptFile readKeptFile(const std::filesystem::path& path, std::size_t maxBytes) {
    KeptFile kept;
    std::error_code unknown;
    if (path.empty() ||
        std::filesystem::status(path, unknown).type() == std::filesystem::file_type::not_found) {
        return kept;
    }
    if (const auto bytes = readRegularFile(path.string().c_str(), maxBytes, kept.problem)) {
        kept.text.emplace(bytes->begin(), bytes->end());
    }
    return kept;
}

bool replaceFile(const std::filesystem::path& path, std::string_view text, std::string_view what,
                 bool keepOldAside, std::string& error) {
    std::error_code unknown;
    const std::filesystem::file_type type = std::filesystem::status(path, unknown).type();
    if (type != std::filesystem::file_type::not_found &&
        type != std::filesystem::file_type::regular) {
        error = quotedPath(path.string()) + " is not a regular file, and only one is replaced";
        return false;
    }
    std::error_code made;
    std::filesystem::create_directories(path.parent_path(), made);
    if (made) {
        error = "cannot make the folder " + quotedPath(path.parent_path().string()) + ": " +
                made.message();
        return false;
    }
    OutputFile file(path.string(), std::string(what));
    if (!file.open(error)) {
        return false;
    }
    std::fwrite(text.data(), 1, text.size(), file.stream());
    if (!file.sync(error)) {
        return false;
    }
    std::string aside;
    if (keepOldAside && type == std::filesystem::file_type::regular) {
        aside = asideName(file.target());
        if (std::rename(file.target().c_str(), aside.c_str()) != 0) {
            error = "cannot keep " + std::string(what) + " " + quotedPath(path.string()) +
                    " aside as " + quotedPath(aside) + ": " + std::strerror(errno);
            return false;
        }
    }
    if (!file.complete(error)) {
        if (!aside.empty()) {
            std::rename(aside.c_str(), file.target().c_str());  // back where it was
        }
        return false;
    }
    return true;
}

}  // namespace platform

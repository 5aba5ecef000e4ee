#pragma once
// A folder of the test's own in the temporary directory, named uniquely, removed with all it
// holds when the test ends.
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

class ScratchFolder {
  public:
    // `tag` begins the folder's name, so that a folder left behind names its test.
    explicit ScratchFolder(const std::string& tag) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("tb_" + tag + "_XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error(
                "cannot make a scratch folder", pattern,
                std::error_code(errno, std::generic_category()));
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

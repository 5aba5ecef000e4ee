#pragma once
// A file in the temporary directory that a test fills with bytes; removed with the test.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace displaytest {

class ScratchFile {
  public:
    explicit ScratchFile(const std::string& tag)
        : path_(std::filesystem::temp_directory_path() /
                ("tb_" + tag + "_" + std::to_string(::getpid()) + ".bmp")) {}
    ~ScratchFile() { std::filesystem::remove(path_); }

    const char* write(std::span<const std::uint8_t> bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path();
    }
    const char* path() const { return path_.c_str(); }

  private:
    std::filesystem::path path_;
};

}  // namespace displaytest

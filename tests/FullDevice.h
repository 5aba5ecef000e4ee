#pragma once
// A device that is always full, made in a temporary folder of the test's own, so that no test
// writes to the machine's /dev/full. Making a device needs root; without it the path is empty
// and the test says it was skipped.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <string>

class FullDevice {
  public:
    FullDevice()
        : folder_(std::filesystem::temp_directory_path() /
                  ("tb_full_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        const std::filesystem::path device = folder_ / "full";
        if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 7)) == 0)
            path_ = device;
    }
    ~FullDevice() { std::filesystem::remove_all(folder_); }
    FullDevice(const FullDevice&) = delete;
    FullDevice& operator=(const FullDevice&) = delete;

    // Empty when the device could not be made.
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::string path_;
};

#pragma once
// A device that is always full, made in a temporary folder of the test's own, so that no test
// writes to the machine's /dev/full. Making a device needs root; without it the path is empty
// and the test says it was skipped.
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <string>

#include "tests/ScratchFolder.h"

class FullDevice {
  public:
    FullDevice() {
        const std::filesystem::path device = folder_ / "full";
        if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 7)) == 0)
            path_ = device;
    }

    // Empty when the device could not be made.
    const std::string& path() const { return path_; }

  private:
    ScratchFolder folder_{"full"};
    std::string path_;
};

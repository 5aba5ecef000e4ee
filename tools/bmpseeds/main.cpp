// Writes the bitmap loaders' seed corpus into a directory, one .bmp file per seed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/StandardDescriptors.h"
#include "tools/bmpseeds/SeedCorpus.h"

int main(int argc, char** argv) {
    platform::openClosedStandardDescriptors();
    if (argc != 2) {
        std::fprintf(stderr, "usage: tilebounce-bmpseeds DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (const auto& seed : bmpseeds::seedCorpus()) {
        const auto path = directory / (seed.name + ".bmp");
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(seed.bytes.data()),
                   static_cast<std::streamsize>(seed.bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "tilebounce-bmpseeds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

// tilebounce-assetgen OUTPUT_DIRECTORY: draws and synthesises the game's pictures, sounds and icon
// and writes them as files into the directory. The same program always writes the same bytes.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/StandardDescriptors.h"
#include "tools/assetgen/Catalogue.h"

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    platform::openClosedStandardDescriptors();
    if (argc != 2) {
        std::cerr << "usage: tilebounce-assetgen OUTPUT_DIRECTORY\n";
        return 2;
    }
    try {
        const std::filesystem::path directory(argv[1]);
        std::filesystem::create_directories(directory);
        for (const assetgen::AssetFile& file : assetgen::generateAssets()) {
            writeFile(directory / file.name, file.bytes);
        }
    } catch (const std::exception& error) {
        std::cerr << "tilebounce-assetgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

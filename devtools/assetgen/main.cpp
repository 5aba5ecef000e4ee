// tilebounce-assetgen [--icons] DIRECTORY: draws and synthesises the game's pictures, sounds and
// icon and writes them as files into the directory; with --icons, the desktop's menu icons
// instead. The same program always writes the same bytes.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "commandline/CommandLine.h"
#include "devtools/assetgen/Catalogue.h"
#include "devtools/assetgen/MenuIcons.h"
#include "platform/files/StandardIo.h"

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
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
    platform::setUpStandardIo();
    bool icons = false;
    std::optional<std::string> directory;
    const ProgramDescription program{
        .name = "tilebounce-assetgen",
        .operands = "DIRECTORY",
        .summary = "Draws the game's pictures and icon and synthesises its sounds into DIRECTORY.",
        .epilogue = "",
        .options = {{"icons", "", "write the menu icons instead, as SIZExSIZE/apps/tilebounce.png",
                     [&icons](std::string_view, std::string&) { return icons = true; }}},
        .takeWord = atMostOneWord(directory, "directory")};
    if (const std::optional<int> status = stopAfter(readCommandLine(argc, argv, program))) {
        return *status;
    }
    try {
        for (const assetgen::AssetFile& file :
             icons ? assetgen::menuIcons() : assetgen::generateAssets()) {
            writeFile(std::filesystem::path(*directory) / file.name, file.bytes);
        }
    } catch (const std::exception& error) {
        std::cerr << "tilebounce-assetgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

// Writes the bitmap loaders' seed corpus into a directory, one .bmp file per seed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "commandline/CommandLine.h"
#include "fuzz/seeds/SeedCorpus.h"
#include "platform/files/StandardIo.h"

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    std::optional<std::string> word;
    const ProgramDescription program{
        .name = "tilebounce-bmpseeds",
        .operands = "DIRECTORY",
        .summary = "Writes the bitmap loaders' seed corpus into DIRECTORY, one .bmp file a seed.",
        .epilogue = "",
        .options = {},
        .takeWord = atMostOneWord(word, "directory")};
    if (const std::optional<int> status = stopAfter(readCommandLine(argc, argv, program))) {
        return *status;
    }
    const std::filesystem::path directory = *word;
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

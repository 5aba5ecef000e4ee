#pragma once
// Every file the generator makes, by name, with its bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct AssetFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Throws std::runtime_error when something needed (a font) is missing.
std::vector<AssetFile> generateAssets();

}  // namespace assetgen

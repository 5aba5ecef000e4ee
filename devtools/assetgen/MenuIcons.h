#pragma once
// The desktop's menu icons: the program icon at the sizes the hicolor icon theme looks for, as
// PNG files. Larger ones repeat each pixel (48 pixels: some one and a half times), the 16-pixel
// one averages each 2 × 2 block.
#include <vector>

#include "devtools/assetgen/Catalogue.h"

namespace assetgen {

inline constexpr int MenuIconSizes[] = {16, 32, 48, 64, 128, 256};

// One file per size, named "SIZExSIZE/apps/tilebounce.png".
std::vector<AssetFile> menuIcons();

}  // namespace assetgen

#pragma once
// The colours the pictures share.
#include "devtools/assetgen/IndexedImage.h"

namespace assetgen::colours {

inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb lightGrey{192, 192, 192};
inline constexpr Rgb grey{128, 128, 128};
inline constexpr Rgb maroon{128, 0, 0};
inline constexpr Rgb pureBlue{0, 0, 255};
inline constexpr Rgb navy{0, 0, 128};
inline constexpr Rgb nearWhite{254, 254, 254};

}  // namespace assetgen::colours

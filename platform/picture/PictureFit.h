#pragma once
// Where a picture goes in a window or on a full screen: as large as fits with its aspect kept,
// centred, the rest left for black bars.
#include <cstdint>

#include "winapi/WinTypes.h"

namespace platform {

// With `wholeMultiples`, the largest whole multiple of the picture that fits instead; when not
// even one fits, as large as fits.
RECT fitPicture(std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::int32_t outputWidth,
                std::int32_t outputHeight, bool wholeMultiples = false);

}  // namespace platform

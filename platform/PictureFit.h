#pragma once
// Where a picture goes on a full screen: as large as fits with its aspect kept, centred, the
// rest left for black bars.
#include <cstdint>

#include "platform/WinTypes.h"

namespace platform {

RECT fitPicture(std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::int32_t outputWidth,
                std::int32_t outputHeight);

}  // namespace platform

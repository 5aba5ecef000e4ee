#include "platform/picture/PictureFit.h"

namespace platform {

RECT fitPicture(std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::int32_t outputWidth,
                std::int32_t outputHeight, bool wholeMultiples) {
    if (pictureWidth == 0 || pictureHeight == 0 || outputWidth <= 0 || outputHeight <= 0) {
        return {};
    }
    // Whichever side fills the output first sets the scale; the other is scaled alike.
    std::int64_t width = outputWidth;
    std::int64_t height = outputHeight;
    if (std::int64_t{outputWidth} * pictureHeight <= std::int64_t{outputHeight} * pictureWidth) {
        height = std::int64_t{outputWidth} * pictureHeight / pictureWidth;
    } else {
        width = std::int64_t{outputHeight} * pictureWidth / pictureHeight;
    }
    if (const std::int64_t multiple = width / pictureWidth; wholeMultiples && multiple >= 1) {
        width = multiple * pictureWidth;
        height = multiple * pictureHeight;
    }
    const auto left = static_cast<std::int32_t>((outputWidth - width) / 2);
    const auto top = static_cast<std::int32_t>((outputHeight - height) / 2);
    return {left, top, left + static_cast<std::int32_t>(width),
            top + static_cast<std::int32_t>(height)};
}

}  // namespace platform

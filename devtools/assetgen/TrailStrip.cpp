#include "devtools/assetgen/Palette.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

IndexedImage trailStrip() {
    using namespace colours;
    // The trail fades from the ball's white to black; blue is the key that is never drawn.
    const Rgb fade[] = {white, lightGrey, grey, black};
    IndexedImage strip(12, 3, {black, white, lightGrey, grey, pureBlue});
    for (int frame = 0; frame < 4; ++frame) {
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                strip.plot(3 * frame + x, y, x == y ? fade[frame] : pureBlue);
            }
        }
    }
    return strip;
}

}  // namespace assetgen

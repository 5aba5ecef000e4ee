#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/IconFiles.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

namespace {

const Rgb& standard(int index) {
    return standardSixteenColours()[static_cast<std::size_t>(index)];
}

}  // namespace

IndexedImage programIcon() {
    const Rgb black = standard(0), maroon = standard(1), olive = standard(3), silver = standard(7),
              grey = standard(8), yellow = standard(11), white = standard(15);
    IndexedImage icon(32, 32, standardSixteenColours());
    fillRect(icon, 0, 0, 32, 32, grey);
    frameRect(icon, 0, 0, 32, 32, maroon);
    frameRect(icon, 1, 1, 30, 30, maroon);
    // The chequered inner frame, two pixels wide.
    for (int y = 3; y < 29; ++y) {
        for (int x = 3; x < 29; ++x) {
            const bool inFrame = x < 5 || x > 26 || y < 5 || y > 26;
            if (inFrame && (x + y) % 2 == 0) {
                icon.plot(x, y, maroon);
            }
        }
    }
    // A round yellow stud in each corner, lit from the top left.
    for (int x : {6, 22}) {
        for (int y : {6, 22}) {
            fillEllipse(icon, {x + 2.0, y + 2.0}, 2.5, 2.5, olive);
            fillEllipse(icon, {x + 1.6, y + 1.6}, 2.0, 2.0, yellow);
            icon.plot(x + 1, y + 1, white);
        }
    }
    // The oval frame with the stroke across it.
    ringEllipse(icon, {16.0, 16.0}, 8.0, 10.0, 2.3, maroon);
    for (int i = 0; i < 2; ++i) {
        drawLine(icon, 10 + i, 22, 22 + i, 10, maroon);
    }
    // A thin shadow keeps the red shapes crisp on the grey.
    drawLine(icon, 2, 30, 30, 30, black);
    drawLine(icon, 30, 2, 30, 30, black);
    drawLine(icon, 2, 2, 29, 2, silver);
    drawLine(icon, 2, 2, 2, 29, silver);
    return icon;
}

}  // namespace assetgen

#pragma once
// The game's pictures, each drawn at its stored size.
#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

IndexedImage trailStrip();       // 12 x 3: four diagonal dots, white to black, on key blue
IndexedImage tileSheet();        // 320 x 32: one 32 x 32 cell per tile code 0..9
IndexedImage titlePicture();     // 300 x 300
IndexedImage endingPicture();    // 416 x 200
IndexedImage gameOverPicture();  // 221 x 60
IndexedImage programIcon();      // 32 x 32 in the standard 16 colours

}  // namespace assetgen

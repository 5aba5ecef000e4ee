#pragma once
// The Surface's spare operations: offered beside the game's own, under the same HRESULT rules,
// but never on the game's path.
#include <cstdint>

#include "display/Surface.h"
#include "display/device/Bitmap.h"
#include "winapi/HResult.h"

// Gives back the platform surface, if one is held; the key flag stays. Always S_OK.
HRESULT releaseSurface(Surface& surface);
// The named bitmap, loaded as the Display's newBitmapSurface loads it (at width × height, 0 for
// its own), painted over the whole surface. E_INVALIDARG without a platform surface or a name,
// E_FAIL when the bitmap cannot be loaded (nothing is drawn); a failed paint passes through.
HRESULT paintBitmapByName(Surface& surface, device::BitmapName bitmapName, std::uint32_t width,
                          std::uint32_t height);

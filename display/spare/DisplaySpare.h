#pragma once
// The Display's spare operations: offered beside the game's own, under the same HRESULT rules,
// but never on the game's path.
#include <cstdint>

#include "display/Display.h"
#include "display/device/Bitmap.h"
#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

namespace device {
class Palette;
class PixelSurface;
}  // namespace device

// As present, without the wait for the grid tick.
HRESULT presentNoVsync(Display& screen);
// blitRaw of a bare platform surface, skipping its key-coloured pixels.
HRESULT blitRawKeyed(Display& screen, std::int32_t x, std::int32_t y,
                     device::PixelSurface* platformSource, const RECT* sourceRect);
// A new Surface of width × height into *out (set to null first), content undefined.
// E_POINTER before an open, E_INVALIDARG for a null out; a failed allocation passes through
// and leaves *out null.
HRESULT newBlankSurface(Display& screen, Surface** out, std::uint32_t width, std::uint32_t height);
// The bitmap stretched over the whole back buffer, then presented; a palette given is attached
// to the front buffer first. E_POINTER without both buffers, E_FAIL when the bitmap cannot be
// painted (a null bitmap included); otherwise present's result.
HRESULT presentBitmap(Display& screen, const device::Bitmap* bitmap, device::Palette* palette);
// Attaches the palette to the front buffer (null detaches). E_POINTER without one.
HRESULT applyPalette(Display& screen, device::Palette* palette);
// A new palette into *out from the colour table of the named bitmap, read the built-in way for
// an id and the file way for a path (see ColourTable.h). E_INVALIDARG before an open or for a
// null name or out; E_FAIL, with *out null, for a bitmap that is missing, unreadable or refused
// by BmpFile's checks, or a file shorter than 1,078 bytes.
HRESULT loadPalette(Display& screen, device::Palette** out, device::BitmapName bitmapName);
// Binds a clipper to the Display's window and attaches it to the front buffer, which keeps the
// only reference. E_POINTER before an open.
HRESULT attachWindowClipper(Display& screen);

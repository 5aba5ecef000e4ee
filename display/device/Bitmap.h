#pragma once
// Bitmaps by name: a built-in bitmap by integer id, else a .bmp file by path. SDL's BMP loader
// reads them once BmpFile has checked their headers; painting converts them to a surface's format
// and stretches them over it.
#include <cstdint>
#include <memory>

#include "display/device/BmpFile.h"
#include "winapi/HResult.h"

struct SDL_Surface;

namespace device {

class PixelSurface;

// A loaded picture, the counterpart of a device-independent bitmap; owned by whoever loaded it.
class Bitmap {
  public:
    // The named bitmap stretched to width × height (0 keeps that side's own size). Null when
    // the name is neither a built-in bitmap nor a readable .bmp file that passes BmpFile's
    // checks, or a size is too large.
    static std::unique_ptr<Bitmap> load(const BitmapName& name, std::uint32_t width,
                                        std::uint32_t height);
    // The picture of bytes already checked, stretched as load does. Null when SDL's loader
    // refuses them or a size is too large.
    static std::unique_ptr<Bitmap> decode(const BmpFile& file, std::uint32_t width,
                                          std::uint32_t height);

    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap();

    std::uint32_t width() const;
    std::uint32_t height() const;
    SDL_Surface* sdlSurface() const { return surface_; }

  private:
    explicit Bitmap(SDL_Surface* surface) : surface_(surface) {}

    SDL_Surface* surface_;
};

// Paints the bitmap's rectangle (srcX, srcY, srcWidth, srcHeight; a width or height of 0 is the
// bitmap's own) stretched over the whole surface, converted to the surface's format.
HRESULT paintBitmap(PixelSurface& surface, const Bitmap& bitmap, std::int32_t srcX,
                    std::int32_t srcY, std::int32_t srcWidth, std::int32_t srcHeight);

}  // namespace device

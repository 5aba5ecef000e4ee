#pragma once
// The platform surface: an off-screen picture in the display's format, 16-bit RGB 5-6-5, with
// the raw fill, the refusing fast copy and its source colour key, and colour painting.
#include <cstdint>
#include <optional>

#include "display/device/BmpFile.h"
#include "display/device/RefCounted.h"
#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

struct SDL_Surface;

namespace device {

// Size and pixel format of a surface as the platform reports them.
struct SurfaceDesc {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t pitch = 0;  // bytes from one row to the next
    std::uint32_t bitCount = 0;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
};

class PixelSurface : public RefCounted {
  public:
    static constexpr std::uint32_t MaxSide = MaxPictureSide;

    // A new black surface holding one reference for the caller. E_INVALIDARG for a side of 0
    // or above MaxSide, DDERR_OUTOFMEMORY when there is no memory for it.
    static HRESULT create(std::uint32_t width, std::uint32_t height, PixelSurface** out);

    const SurfaceDesc& description() const { return description_; }
    std::uint16_t* row(std::uint32_t y);
    const std::uint16_t* row(std::uint32_t y) const;

    // Every pixel set to the low 16 bits of rawValue.
    HRESULT fill(std::uint32_t rawValue);

    // Copies sourceRect of source (all of it when null) with its top-left corner at (x, y),
    // skipping pixels equal to the source's key when `flags` has DDBLTFAST_SRCCOLORKEY and the
    // source has a key. Never clips: a rectangle not wholly inside both surfaces (or empty) is
    // refused with DDERR_INVALIDRECT and nothing is drawn. A null source is E_INVALIDARG.
    HRESULT copyFast(std::int32_t x, std::int32_t y, const PixelSurface* source,
                     const RECT* sourceRect, std::uint32_t flags);

    void setSourceKey(std::uint16_t rawValue) { sourceKey_ = rawValue; }
    std::optional<std::uint16_t> sourceKey() const { return sourceKey_; }

    // Paints `area` (clipped to the surface) in color, converted as every painting converts.
    void paintColor(const RECT& area, COLORREF color);

    // For the platform's painting services.
    SDL_Surface* sdlSurface() const { return surface_; }

  private:
    explicit PixelSurface(SDL_Surface* surface);
    ~PixelSurface() override;

    SDL_Surface* surface_;
    SurfaceDesc description_;
    std::optional<std::uint16_t> sourceKey_;
};

}  // namespace device

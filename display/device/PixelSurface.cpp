#include "display/device/PixelSurface.h"

#include <SDL.h>

#include <cstring>

#include "display/device/DisplayCodes.h"

namespace device {
namespace {

bool liesWithin(const RECT& rect, std::int64_t width, std::int64_t height) {
    return rect.left >= 0 && rect.top >= 0 && rect.left < rect.right && rect.top < rect.bottom &&
           rect.right <= width && rect.bottom <= height;
}

// Copies one row of `count` pixels, skipping those equal to key. Walks backwards when the
// destination lies to the right of an overlapping source, so a copy within one surface works.
void copyKeyedRow(std::uint16_t* to, const std::uint16_t* from, std::int32_t count,
                  std::uint16_t key) {
    if (to > from) {
        for (std::int32_t i = count - 1; i >= 0; --i) {
            if (from[i] != key) {
                to[i] = from[i];
            }
        }
    } else {
        for (std::int32_t i = 0; i < count; ++i) {
            if (from[i] != key) {
                to[i] = from[i];
            }
        }
    }
}

// Copies a width × height block between two different surfaces, which never overlap. Rows go
// as fixed-size 64-byte chunks, which compile to plain vector moves: a tile costs no library
// call per row. Rows of exactly one chunk, a tile's, get a loop of their own, free of the
// general loop's overhead. Pitches are in pixels.
void copyBlockApart(std::uint16_t* to, std::size_t toPitch, const std::uint16_t* from,
                    std::size_t fromPitch, std::int32_t width, std::int32_t height) {
    constexpr std::int32_t ChunkPixels = 32;
    constexpr std::size_t ChunkBytes = ChunkPixels * sizeof(std::uint16_t);
    if (width == ChunkPixels) {
        for (std::int32_t r = 0; r < height; ++r, to += toPitch, from += fromPitch) {
            std::memcpy(to, from, ChunkBytes);
        }
        return;
    }
    const std::int32_t chunked = width - width % ChunkPixels;
    for (std::int32_t r = 0; r < height; ++r, to += toPitch, from += fromPitch) {
        for (std::int32_t i = 0; i < chunked; i += ChunkPixels) {
            std::memcpy(to + i, from + i, ChunkBytes);
        }
        if (chunked < width) {
            std::memcpy(to + chunked, from + chunked,
                        std::size_t(width - chunked) * sizeof(std::uint16_t));
        }
    }
}

}  // namespace

HRESULT PixelSurface::create(std::uint32_t width, std::uint32_t height, PixelSurface** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide) {
        return E_INVALIDARG;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(
        0, static_cast<int>(width), static_cast<int>(height), 16, SDL_PIXELFORMAT_RGB565);
    if (surface == nullptr) {
        return DDERR_OUTOFMEMORY;
    }
    *out = new PixelSurface(surface);
    return S_OK;
}

PixelSurface::PixelSurface(SDL_Surface* surface) : surface_(surface) {
    const SDL_PixelFormat& format = *surface->format;
    description_ = {.width = static_cast<std::uint32_t>(surface->w),
                    .height = static_cast<std::uint32_t>(surface->h),
                    .pitch = static_cast<std::uint32_t>(surface->pitch),
                    .bitCount = format.BitsPerPixel,
                    .redMask = format.Rmask,
                    .greenMask = format.Gmask,
                    .blueMask = format.Bmask};
}

PixelSurface::~PixelSurface() {
    SDL_FreeSurface(surface_);
}

std::uint16_t* PixelSurface::row(std::uint32_t y) {
    return reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(surface_->pixels) +
                                            std::size_t{y} * description_.pitch);
}

const std::uint16_t* PixelSurface::row(std::uint32_t y) const {
    return const_cast<PixelSurface*>(this)->row(y);
}

HRESULT PixelSurface::fill(std::uint32_t rawValue) {
    return SDL_FillRect(surface_, nullptr, rawValue & 0xFFFFu) == 0 ? S_OK : E_FAIL;
}

HRESULT PixelSurface::copyFast(std::int32_t x, std::int32_t y, const PixelSurface* source,
                               const RECT* sourceRect, std::uint32_t flags) {
    if (source == nullptr) {
        return E_INVALIDARG;
    }
    const SurfaceDesc& from = source->description();
    const RECT area = sourceRect != nullptr ? *sourceRect
                                            : RECT{0, 0, static_cast<std::int32_t>(from.width),
                                                   static_cast<std::int32_t>(from.height)};
    if (!liesWithin(area, from.width, from.height)) {
        return DDERR_INVALIDRECT;
    }
    const std::int32_t width = area.right - area.left;
    const std::int32_t height = area.bottom - area.top;
    if (x < 0 || y < 0 || std::int64_t{x} + width > description_.width ||
        std::int64_t{y} + height > description_.height) {
        return DDERR_INVALIDRECT;
    }

    const bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) != 0 && source->sourceKey_.has_value();
    if (!keyed && source != this) {
        copyBlockApart(row(static_cast<std::uint32_t>(y)) + x, description_.pitch / 2,
                       source->row(static_cast<std::uint32_t>(area.top)) + area.left,
                       from.pitch / 2, width, height);
        return S_OK;
    }
    // Within one surface, rows are walked bottom-up when the target lies below the source.
    const bool upwards = source == this && y > area.top;
    for (std::int32_t i = 0; i < height; ++i) {
        const std::int32_t r = upwards ? height - 1 - i : i;
        std::uint16_t* to = row(static_cast<std::uint32_t>(y + r)) + x;
        const std::uint16_t* fromRow =
            source->row(static_cast<std::uint32_t>(area.top + r)) + area.left;
        if (keyed) {
            copyKeyedRow(to, fromRow, width, *source->sourceKey_);
        } else {
            std::memmove(to, fromRow, std::size_t(width) * sizeof(std::uint16_t));
        }
    }
    return S_OK;
}

void PixelSurface::paintColor(const RECT& area, COLORREF color) {
    SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
    const Uint32 value =
        SDL_MapRGB(surface_->format, static_cast<Uint8>(color), static_cast<Uint8>(color >> 8),
                   static_cast<Uint8>(color >> 16));
    SDL_FillRect(surface_, &rect, value);
}

}  // namespace device

#include "display/device/Bitmap.h"

#include <SDL.h>

#include "display/device/BmpFile.h"
#include "display/device/PixelSurface.h"

namespace device {
namespace {

// Bitmaps are held in one 32-bit format, whatever their file held, so stretching and painting
// meet a single conversion.
constexpr Uint32 BitmapFormat = SDL_PIXELFORMAT_XRGB8888;

SDL_Surface* stretched(SDL_Surface* picture, int width, int height) {
    SDL_Surface* result = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, BitmapFormat);
    if (result != nullptr && SDL_BlitScaled(picture, nullptr, result, nullptr) != 0) {
        SDL_FreeSurface(result);
        result = nullptr;
    }
    SDL_FreeSurface(picture);
    return result;
}

}  // namespace

std::unique_ptr<Bitmap> Bitmap::load(const BitmapName& name, std::uint32_t width,
                                     std::uint32_t height) {
    const auto file = BmpFile::load(name);
    return file ? decode(*file, width, height) : nullptr;
}

std::unique_ptr<Bitmap> Bitmap::decode(const BmpFile& file, std::uint32_t width,
                                       std::uint32_t height) {
    if (width > PixelSurface::MaxSide || height > PixelSurface::MaxSide) {
        return nullptr;
    }
    const auto bytes = file.bytes();
    SDL_Surface* read =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (read == nullptr) {
        return nullptr;
    }
    SDL_Surface* picture = SDL_ConvertSurfaceFormat(read, BitmapFormat, 0);
    SDL_FreeSurface(read);
    if (picture == nullptr) {
        return nullptr;
    }
    const int wantedWidth = width != 0 ? static_cast<int>(width) : picture->w;
    const int wantedHeight = height != 0 ? static_cast<int>(height) : picture->h;
    if (wantedWidth != picture->w || wantedHeight != picture->h) {
        picture = stretched(picture, wantedWidth, wantedHeight);
        if (picture == nullptr) {
            return nullptr;
        }
    }
    return std::unique_ptr<Bitmap>(new Bitmap(picture));
}

Bitmap::~Bitmap() {
    SDL_FreeSurface(surface_);
}

std::uint32_t Bitmap::width() const {
    return static_cast<std::uint32_t>(surface_->w);
}

std::uint32_t Bitmap::height() const {
    return static_cast<std::uint32_t>(surface_->h);
}

HRESULT paintBitmap(PixelSurface& surface, const Bitmap& bitmap, std::int32_t srcX,
                    std::int32_t srcY, std::int32_t srcWidth, std::int32_t srcHeight) {
    SDL_Surface* from = bitmap.sdlSurface();
    SDL_Rect source{srcX, srcY, srcWidth != 0 ? srcWidth : from->w,
                    srcHeight != 0 ? srcHeight : from->h};
    return SDL_BlitScaled(from, &source, surface.sdlSurface(), nullptr) == 0 ? S_OK : E_FAIL;
}

}  // namespace device

#include "devtools/assetgen/GlyphRaster.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace assetgen {

std::uint8_t GlyphCoverage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    return ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)];
}

namespace {

// TTF_Init and TTF_Quit are reference counted, so each rendering may hold its own.
struct TtfLibrary {
    bool ready = TTF_Init() == 0;
    ~TtfLibrary() {
        if (ready) {
            TTF_Quit();
        }
    }
};

struct FontCloser {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFreer>;

std::string failure(const std::string& what) {
    return what + ": " + TTF_GetError();
}

// Reads coverage from an ARGB8888 surface (its alpha) or from an 8-bit one (index 0 is no ink).
GlyphCoverage coverageOf(SDL_Surface* surface) {
    GlyphCoverage coverage;
    coverage.width = surface->w;
    coverage.height = surface->h;
    coverage.ink.resize(static_cast<std::size_t>(surface->w) *
                        static_cast<std::size_t>(surface->h));
    const bool indexed = surface->format->BytesPerPixel == 1;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(surface->pixels) +
                          static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            std::uint8_t ink = 0;
            if (indexed) {
                ink = row[x] != 0 ? 255 : 0;
            } else {
                std::uint32_t pixel = 0;
                SDL_memcpy(&pixel, row + 4 * x, 4);
                ink = static_cast<std::uint8_t>(pixel >> 24);
            }
            coverage.ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->w) +
                         static_cast<std::size_t>(x)] = ink;
        }
    }
    SDL_UnlockSurface(surface);
    return coverage;
}

}  // namespace

GlyphRasterResult rasterizeText(const std::string& fontPath, int pixelSize, const std::string& utf8,
                                GlyphRendering rendering) {
    GlyphRasterResult result;
    if (pixelSize <= 0) {
        result.error = "pixel size must be positive, got " + std::to_string(pixelSize);
        return result;
    }
    if (utf8.empty()) {
        result.error = "no text to render";
        return result;
    }
    TtfLibrary library;
    if (!library.ready) {
        result.error = failure("cannot start the font library");
        return result;
    }
    std::unique_ptr<TTF_Font, FontCloser> font(TTF_OpenFont(fontPath.c_str(), pixelSize));
    if (!font) {
        result.error = failure("cannot open font " + fontPath);
        return result;
    }
    const SDL_Color white{255, 255, 255, 255};
    SurfacePtr rendered;
    if (rendering == GlyphRendering::Crisp) {
        TTF_SetFontHinting(font.get(), TTF_HINTING_MONO);
        rendered.reset(TTF_RenderUTF8_Solid(font.get(), utf8.c_str(), white));
    } else {
        SurfacePtr blended(TTF_RenderUTF8_Blended(font.get(), utf8.c_str(), white));
        if (blended) {
            rendered.reset(SDL_ConvertSurfaceFormat(blended.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        }
    }
    if (!rendered) {
        result.error = failure("cannot render \"" + utf8 + "\" with " + fontPath);
        return result;
    }
    result.coverage = coverageOf(rendered.get());
    return result;
}

}  // namespace assetgen

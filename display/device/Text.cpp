#include "display/device/Text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"
#include "display/device/PixelSurface.h"

namespace device {

class Font {
  public:
    explicit Font(TTF_Font* face) : face_(face) {}
    TTF_Font* face() const { return face_; }

  private:
    TTF_Font* face_;
};

namespace {

// DejaVu Sans Bold, built into the program; at this size a line is 16 pixels high, like the
// classic system font.
constexpr int DefaultPointSize = 13;

// Opened on first use and closed when the program ends.
class DefaultFont {
  public:
    DefaultFont() {
        if (TTF_Init() != 0) {
            return;
        }
        initialised_ = true;
        const auto bytes = findResource(ResourceKind::Font, resource::DefaultFont);
        if (bytes.empty()) {
            return;
        }
        TTF_Font* face = TTF_OpenFontRW(
            SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, DefaultPointSize);
        if (face != nullptr) {
            TTF_SetFontHinting(face, TTF_HINTING_MONO);
            font_ = new Font(face);
        }
    }
    ~DefaultFont() {
        if (font_ != nullptr) {
            TTF_CloseFont(font_->face());
            delete font_;
        }
        if (initialised_) {
            TTF_Quit();
        }
    }
    DefaultFont(const DefaultFont&) = delete;
    DefaultFont& operator=(const DefaultFont&) = delete;

    const Font* font() const { return font_; }

  private:
    bool initialised_ = false;
    Font* font_ = nullptr;
};

const Font* orDefault(const Font* font) {
    static const DefaultFont defaultFont;
    return font != nullptr ? font : defaultFont.font();
}

SDL_Color sdlColor(COLORREF color) {
    return {static_cast<Uint8>(color), static_cast<Uint8>(color >> 8),
            static_cast<Uint8>(color >> 16), 255};
}

}  // namespace

bool measureText(const Font* font, const char* text, std::int32_t& width, std::int32_t& height) {
    const Font* used = orDefault(font);
    int w = 0;
    int h = 0;
    if (used == nullptr || TTF_SizeText(used->face(), text, &w, &h) != 0) {
        return false;
    }
    width = w;
    height = h;
    return true;
}

HRESULT paintText(PixelSurface& surface, const Font* font, const char* text, std::int32_t x,
                  std::int32_t y, COLORREF backColor, COLORREF textColor) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!measureText(font, text, width, height)) {
        return E_FAIL;
    }
    const SurfaceDesc& area = surface.description();
    if (width == 0 || x >= std::int64_t{area.width} || y >= std::int64_t{area.height}) {
        return S_OK;  // nothing of it would show
    }
    SDL_Surface* glyphs = TTF_RenderText_Solid(orDefault(font)->face(), text, sdlColor(textColor));
    if (glyphs == nullptr) {
        return E_FAIL;
    }
    surface.paintColor({x, y, x + width, y + height}, backColor);
    SDL_Rect at{x, y, 0, 0};
    const int drawn = SDL_BlitSurface(glyphs, nullptr, surface.sdlSurface(), &at);
    SDL_FreeSurface(glyphs);
    return drawn == 0 ? S_OK : E_FAIL;
}

}  // namespace device

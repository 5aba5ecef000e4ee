#include "platform/sdl/OverlayPainter.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"

namespace platform {
namespace {

constexpr SDL_Color TextColour{255, 255, 255, 255};
constexpr Uint8 BoxAlpha = 200;
// Smaller than this the text is not worth drawing.
constexpr int SmallestPixels = 6;
// Fonts kept at most; more sizes than this come from a window resized again and again.
constexpr std::size_t MostFonts = 16;
// The ghost: a pale ball, a little larger than the game's, and its trail fading out behind it.
constexpr SDL_Color GhostColour{170, 220, 255, 150};
constexpr double GhostBallRadius = 3.5;
constexpr double GhostTrailHalfSide = 1.5;

struct Extent {
    int width = 0;
    int height = 0;
};

// Lines placed at one text size: each line's font, the columns' and the panel's extents.
struct Layout {
    int pixels = 0;
    int padding = 0;
    std::vector<Extent> columns;
    Extent panel;
};

using Texture = std::unique_ptr<SDL_Texture, decltype(&SDL_DestroyTexture)>;

}  // namespace

OverlayPainter::OverlayPainter() : started_(TTF_Init() == 0) {}

OverlayPainter::~OverlayPainter() {
    for (const auto& [key, face] : fonts_) {
        if (face != nullptr) {
            TTF_CloseFont(face);
        }
    }
    if (started_) {
        TTF_Quit();
    }
}

TTF_Font* OverlayPainter::font(int fontId, int pixels) {
    const auto key = std::make_pair(fontId, pixels);
    if (const auto kept = fonts_.find(key); kept != fonts_.end()) {
        return kept->second;
    }
    if (fonts_.size() >= MostFonts) {
        for (const auto& [size, face] : fonts_) {
            if (face != nullptr) {
                TTF_CloseFont(face);
            }
        }
        fonts_.clear();
    }
    const auto bytes = findResource(ResourceKind::Font, fontId);
    TTF_Font* face = nullptr;
    if (started_ && !bytes.empty()) {
        face = TTF_OpenFontRW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1,
                              pixels);
    }
    fonts_[key] = face;
    return face;
}

namespace {

using FontFor = std::function<TTF_Font*(const std::string& line, int pixels)>;

Layout layOut(const OverlayPanel& panel, int pixels, const FontFor& fontFor) {
    Layout layout;
    layout.pixels = pixels;
    layout.padding = pixels / 2 + 1;
    for (const OverlayColumn& column : panel.columns) {
        Extent extent;
        for (const std::string& line : column) {
            TTF_Font* face = fontFor(line, pixels);
            int width = 0;
            if (face != nullptr && !line.empty()) {
                TTF_SizeUTF8(face, line.c_str(), &width, nullptr);
            }
            extent.width = std::max(extent.width, width);
            extent.height += face != nullptr ? TTF_FontLineSkip(face) : pixels;
        }
        layout.columns.push_back(extent);
        layout.panel.width += extent.width;
        layout.panel.height = std::max(layout.panel.height, extent.height);
    }
    const int gaps = std::max(0, static_cast<int>(panel.columns.size()) - 1);
    layout.panel.width += 2 * layout.padding + gaps * pixels * 2;
    layout.panel.height += 2 * layout.padding;
    return layout;
}

SDL_Rect placed(const OverlayPanel& panel, const Layout& layout, const RECT& picture) {
    const int margin = layout.pixels / 2;
    SDL_Rect box{0, 0, layout.panel.width, layout.panel.height};
    const int middleX = picture.left + (picture.right - picture.left - box.w) / 2;
    switch (panel.place) {
        case OverlayPlace::Middle:
            box.x = middleX;
            box.y = picture.top + (picture.bottom - picture.top - box.h) / 2;
            break;
        case OverlayPlace::Bottom:
            box.x = middleX;
            box.y = picture.bottom - margin - box.h;
            break;
        case OverlayPlace::TopRight:
            box.x = picture.right - margin - box.w;
            box.y = picture.top + margin;
            break;
        case OverlayPlace::TopLeft:
            box.x = picture.left + margin;
            box.y = picture.top + margin;
            break;
        case OverlayPlace::Top:
            box.x = middleX;
            box.y = picture.top + margin;
            break;
        case OverlayPlace::BottomLeft:
            box.x = picture.left + margin;
            box.y = picture.bottom - margin - box.h;
            break;
    }
    return box;
}

void drawLine(SDL_Renderer* renderer, TTF_Font* face, const std::string& line, int x, int y) {
    SDL_Surface* text = TTF_RenderUTF8_Blended(face, line.c_str(), TextColour);
    if (text == nullptr) {
        return;
    }
    const Texture texture(SDL_CreateTextureFromSurface(renderer, text), &SDL_DestroyTexture);
    const SDL_Rect at{x, y, text->w, text->h};
    if (texture) {
        SDL_RenderCopy(renderer, texture.get(), nullptr, &at);
    }
    SDL_FreeSurface(text);
}

void drawPanel(SDL_Renderer* renderer, const OverlayPanel& panel, const Layout& layout,
               const SDL_Rect& box, const FontFor& fontFor) {
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, BoxAlpha);
    SDL_RenderFillRect(renderer, &box);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    int x = box.x + layout.padding;
    for (std::size_t c = 0; c < panel.columns.size(); ++c) {
        int y = box.y + layout.padding;
        for (const std::string& line : panel.columns[c]) {
            TTF_Font* face = fontFor(line, layout.pixels);
            if (face != nullptr && !line.empty()) {
                drawLine(renderer, face, line, x, y);
            }
            y += face != nullptr ? TTF_FontLineSkip(face) : layout.pixels;
        }
        x += layout.columns[c].width + layout.pixels * 2;
    }
}

// A game pixel's place in the renderer's pixels.
struct GamePixels {
    const RECT& picture;
    double scale;

    double x(std::int32_t gameX) const { return picture.left + (gameX + 0.5) * scale; }
    double y(std::int32_t gameY) const { return picture.top + (gameY + 0.5) * scale; }
};

void fillSquare(SDL_Renderer* renderer, double x, double y, double half) {
    const SDL_FRect square{static_cast<float>(x - half), static_cast<float>(y - half),
                           static_cast<float>(2 * half), static_cast<float>(2 * half)};
    SDL_RenderFillRectF(renderer, &square);
}

// A disc, row by row.
void fillDisc(SDL_Renderer* renderer, double x, double y, double radius) {
    const int rows = std::max(1, static_cast<int>(radius * 2));
    for (int row = 0; row < rows; ++row) {
        const double dy = (row + 0.5) / rows * 2 * radius - radius;
        const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const SDL_FRect line{static_cast<float>(x - half), static_cast<float>(y + dy - 0.5),
                             static_cast<float>(2 * half), 1.0F};
        SDL_RenderFillRectF(renderer, &line);
    }
}

void drawGhost(SDL_Renderer* renderer, const OverlayGhost& ghost, const RECT& picture) {
    const GamePixels at{picture, (picture.right - picture.left) / 640.0};
    // A ball beyond the picture's edge stays off the bars around it.
    const SDL_Rect within{picture.left, picture.top, picture.right - picture.left,
                          picture.bottom - picture.top};
    SDL_RenderSetClipRect(renderer, &within);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    const auto points = static_cast<double>(ghost.trail.size() + 1);
    for (std::size_t i = 0; i < ghost.trail.size(); ++i) {
        const auto fade = static_cast<double>(i + 1) / points;
        SDL_SetRenderDrawColor(renderer, GhostColour.r, GhostColour.g, GhostColour.b,
                               static_cast<Uint8>(GhostColour.a * fade));
        const OverlayPoint& point = ghost.trail[i];
        fillSquare(renderer, at.x(point.x), at.y(point.y), GhostTrailHalfSide * at.scale);
    }
    SDL_SetRenderDrawColor(renderer, GhostColour.r, GhostColour.g, GhostColour.b, GhostColour.a);
    fillDisc(renderer, at.x(ghost.ball.x), at.y(ghost.ball.y), GhostBallRadius * at.scale);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_RenderSetClipRect(renderer, nullptr);
}

}  // namespace

int overlayFontFor(const std::string& line) {
    const bool beyondAscii = std::any_of(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii ? resource::HangulFont : resource::DefaultFont;
}

bool OverlayPainter::paint(SDL_Renderer* renderer, const RECT& picture, const Overlay& overlay) {
    const FontFor fontFor = [this](const std::string& line, int pixels) {
        return font(overlayFontFor(line), pixels);
    };
    const int pictureWidth = picture.right - picture.left;
    const int pictureHeight = picture.bottom - picture.top;
    bool drew = false;
    if (overlay.ghost) {
        drawGhost(renderer, *overlay.ghost, picture);
        drew = true;
    }
    for (const OverlayPanel& panel : overlay.panels) {
        // Sized by the picture's height, then made smaller where the panel would not fit.
        Layout layout =
            layOut(panel, std::max(SmallestPixels, pictureHeight / panel.linesTall), fontFor);
        const double fits = std::min(pictureWidth * 0.96 / std::max(1, layout.panel.width),
                                     pictureHeight * 0.96 / std::max(1, layout.panel.height));
        if (fits < 1.0) {
            const auto smaller = static_cast<int>(layout.pixels * fits);
            if (smaller < SmallestPixels) {
                continue;
            }
            layout = layOut(panel, smaller, fontFor);
        }
        drawPanel(renderer, panel, layout, placed(panel, layout, picture), fontFor);
        drew = true;
    }
    return drew;
}

}  // namespace platform

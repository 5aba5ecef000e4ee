#pragma once
// Draws an overlay over the picture in a window's renderer: each panel a dark translucent box
// with its lines in white, the text made at the size it is shown, so that it stays sharp at
// every scale. Lines with Hangul use the built-in Hangul font, the others the built-in Latin one.
// A ghost is a pale translucent ball with a fading trail, at its game pixels scaled as the
// picture is, under the panels.
#include <map>
#include <string>
#include <utility>

#include "platform/seams/Overlay.h"
#include "winapi/WinTypes.h"

struct SDL_Renderer;
typedef struct _TTF_Font TTF_Font;

namespace platform {

// The built-in font a line of an overlay is drawn with (resource::HangulFont for a line with
// anything beyond ASCII, else resource::DefaultFont).
int overlayFontFor(const std::string& line);

class OverlayPainter {
  public:
    OverlayPainter();
    ~OverlayPainter();
    OverlayPainter(const OverlayPainter&) = delete;
    OverlayPainter& operator=(const OverlayPainter&) = delete;

    // `picture`: where the picture was drawn, in the renderer's pixels. A panel too large for it
    // is drawn smaller; text that cannot be made is left out. Whether it drew anything.
    bool paint(SDL_Renderer* renderer, const RECT& picture, const Overlay& overlay);

  private:
    // A built-in font (resource::DefaultFont or resource::HangulFont) at a size in pixels; null
    // when it cannot be opened. Kept until the painter ends.
    TTF_Font* font(int fontId, int pixels);

    bool started_ = false;
    std::map<std::pair<int, int>, TTF_Font*> fonts_;
};

}  // namespace platform

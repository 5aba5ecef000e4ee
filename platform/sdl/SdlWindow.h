#pragma once
// The desktop window: an SDL window with SDL's software renderer, which draws into the window's
// surface, the memory it shares with the X server (or the desktop's bitmap). Each present scales
// the 5-6-5 picture straight into that surface where it fits, between black bars
// (PictureScaler: sharp by default); what the renderer draws afterwards lands over it. Vsync is
// off: the display's own pacing sets the speed. The picture last presented is kept and shown
// again, scaled anew, whenever the window changes size or mode or the desktop uncovers it,
// because a still screen (the title) is presented only once.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture/PictureScaler.h"
#include "platform/seams/Window.h"

struct SDL_Window;
struct SDL_Renderer;
union SDL_Event;

namespace platform {

class SdlWindow : public Window {
  public:
    // A borderless window at the screen's top-left corner, shown, the mouse cursor as SDL leaves
    // it (for tests and benchmarks); its size comes with showWindowed or setFullScreen. Null,
    // with the reason in `error`, when SDL cannot make it.
    static std::unique_ptr<SdlWindow> createWithCursor(const char* title, std::string& error);

    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow() override;

    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void setFullScreen(bool fullScreen) override;
    bool isFullScreen() const override;
    RECT clientBounds() const override;
    RECT screenBounds() const override;
    // As asked, and as the desktop moved or sized it within two seconds of its becoming a
    // window: a player can hardly have moved it so soon.
    std::optional<RECT> placedBounds() const override { return placed_; }
    HRESULT present(const PictureView& picture) override;
    // The first half of present, apart so that it can be measured: the picture kept, and scaled
    // and converted into the window's surface. E_INVALIDARG without pixels, E_FAIL when SDL
    // refuses.
    HRESULT upload(const PictureView& picture);

    // Scales the picture by whole multiples only (when it fits at least once), for pixels all of
    // one size.
    void scaleByWholeMultiples(bool wholeMultiples) { wholeMultiples_ = wholeMultiples; }
    void setScaling(Scaling scaling) { scaling_ = scaling; }

    // Called after the picture is scaled into the window and before it is shown, with where it
    // landed: what it draws lies over the picture, never in it. It says whether it drew
    // anything, so that the picture under it is scaled whole again at the next present.
    void drawOver(std::function<bool(SDL_Renderer*, const RECT& picture)> draw) {
        drawOver_ = std::move(draw);
    }
    // The picture last uploaded on the screen again, drawn over anew; a black frame before the
    // first upload.
    void showAgain();

    SDL_Window* sdlWindow() const { return window_; }
    SDL_Renderer* sdlRenderer() const { return renderer_; }

  private:
    SdlWindow(SDL_Window* window, SDL_Renderer* renderer);
    static int watch(void* self, SDL_Event* event);
    void keepTopLeftInWorkArea();
    // Notes the bounds as the desktop's placement when `atMs` (SDL's ticks) is soon enough after
    // the window became one.
    void notePlacement(std::uint32_t atMs);
    // The picture (the one kept from the last upload when null) scaled onto the window's surface
    // where it fits now.
    HRESULT scaleOntoScreen(const PictureView* picture);
    // The second half of present: the bars drawn when needed and the surface shown, the picture
    // scaled anew first when the window's size has changed since.
    HRESULT showUploaded();
    // Full screen taken again, a few times at most, when the window has been made smaller since.
    void keepFullScreenSize();

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    // Where the picture was last scaled to, in which surface's pixels; the bars around it are
    // drawn once for each.
    RECT scaledTo_{};
    const void* scaledOnto_ = nullptr;
    bool barsShown_ = false;
    // The surface holds the kept picture as scaled there, nothing drawn over it: the next
    // upload rescales only the rows that changed.
    bool surfaceHoldsPicture_ = false;
    PictureScaler scaler_;  // keeps the picture last uploaded
    // The scaled picture, for a window whose pixels are not the scaler's.
    std::vector<std::uint32_t> aside_;
    Scaling scaling_ = Scaling::Sharp;
    bool wholeMultiples_ = false;
    int fullScreenRestores_ = 0;
    std::optional<std::uint32_t> windowedAtMs_;  // when it last became a window
    std::optional<RECT> placed_;
    std::function<bool(SDL_Renderer*, const RECT&)> drawOver_;
};

// The window for the game's shell: an SdlWindow with the given title (UTF-8), the mouse cursor
// hidden.
std::unique_ptr<SdlWindow> createGameWindow(const char* title, std::string& error);

}  // namespace platform

#pragma once
// The desktop window: an SDL window with SDL's software renderer and a streaming texture in the
// window's own pixel format, which each present converts the 5-6-5 picture into; the renderer
// scales it into the window's shared memory. Vsync is off: the display's own pacing sets the
// speed. The
// picture last uploaded is shown again whenever the window changes size or mode or the desktop
// uncovers it, because a still screen (the title) is presented only once.
#include <memory>
#include <string>

#include "platform/Window.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

class SdlWindow : public Window {
  public:
    // A borderless window at the screen's top-left corner, shown; its size comes with
    // showWindowed or setFullScreen. Null, with the reason in `error`, when SDL cannot make it.
    static std::unique_ptr<SdlWindow> create(const char* title, std::string& error);

    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow() override;

    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void setFullScreen(bool fullScreen) override;
    bool isFullScreen() const override;
    RECT clientBounds() const override;
    RECT screenBounds() const override;
    HRESULT present(const PictureView& picture) override;
    // The first half of present, apart so that it can be measured: the picture converted into
    // the window's texture. E_INVALIDARG without pixels, E_FAIL when SDL refuses.
    HRESULT upload(const PictureView& picture);

    // Scales the picture by whole multiples only (when it fits at least once), for pixels all of
    // one size.
    void scaleByWholeMultiples(bool wholeMultiples) { wholeMultiples_ = wholeMultiples; }

    SDL_Window* sdlWindow() const { return window_; }
    SDL_Renderer* sdlRenderer() const { return renderer_; }

  private:
    SdlWindow(SDL_Window* window, SDL_Renderer* renderer);
    static int watch(void* self, SDL_Event* event);
    void keepTopLeftInWorkArea();
    // The uploaded picture on the screen again; a black frame before the first upload.
    void showAgain();
    bool textureFits(const PictureView& picture);
    // The second half of present: the texture's picture on the screen.
    HRESULT showUploaded();
    // Full screen taken again, a few times at most, when the window has been made smaller since.
    void keepFullScreenSize();

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    // The size of the picture in the texture; 0 × 0 before the first upload.
    std::uint32_t uploadedWidth_ = 0;
    std::uint32_t uploadedHeight_ = 0;
    bool wholeMultiples_ = false;
    int fullScreenRestores_ = 0;
};

// The window for the game's shell: an SdlWindow with the given title (UTF-8), the mouse cursor
// hidden.
std::unique_ptr<SdlWindow> createSdlWindow(const char* title, std::string& error);

}  // namespace platform

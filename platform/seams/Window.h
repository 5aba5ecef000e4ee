#pragma once
// The presenter seam: the window the display presents into, standing where the game's window
// handle stood. The SDL window shows pictures on the desktop; the headless one keeps them.
#include <cstdint>
#include <optional>

#include "winapi/HResult.h"
#include "winapi/WinTypes.h"

namespace platform {

// A picture in the display's format (16-bit RGB 5-6-5), borrowed for one call.
struct PictureView {
    const std::uint16_t* pixels = nullptr;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t pitch = 0;  // bytes from one row to the next
};

class Window {
  public:
    virtual ~Window() = default;

    // A bordered, resizable window whose client area is width × height, its top-left corner
    // within the desktop's work area. Leaves full screen.
    virtual void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) = 0;
    // Windowed, puts the client area's top-left corner at (x, y) on the screen, kept within the
    // desktop's work area.
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // Desktop full screen on or off; the monitor's mode is never changed.
    virtual void setFullScreen(bool fullScreen) = 0;
    virtual bool isFullScreen() const = 0;
    // The client area in screen coordinates.
    virtual RECT clientBounds() const = 0;
    // (0, 0, screen width, screen height).
    virtual RECT screenBounds() const = 0;
    // The client area as the desktop placed it when the window last became a window (shown
    // windowed, or back from full screen): where it was asked to be, with the desktop's own moves
    // and sizes that answered (its placement, its frame). Nothing before the first time. Any
    // later difference is the player's doing.
    virtual std::optional<RECT> placedBounds() const = 0;
    // Shows the picture scaled to fit with its aspect kept and black bars, in a window as at
    // full screen.
    virtual HRESULT present(const PictureView& picture) = 0;
};

}  // namespace platform

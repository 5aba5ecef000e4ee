#pragma once
// The game's window as the player set it up. The game asks for a 640 × 480 window and then for
// full screen, as it always has; this window answers with the player's choice instead (the
// size, the place, full screen or not), and keeps what the player changes while it runs:
// Alt+Enter's mode and the window's size and place.
#include <cstdint>
#include <optional>

#include "shell/ForwardingWindow.h"

struct WindowChoice {
    bool fullScreen = true;
    // The client area in a window; a size of 0 takes the game's own, no place the desktop's.
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::optional<std::int32_t> x;
    std::optional<std::int32_t> y;

    bool operator==(const WindowChoice&) const = default;
};

class DesktopWindow final : public ForwardingWindow {
  public:
    DesktopWindow(std::unique_ptr<platform::Window> shown, const WindowChoice& choice);

    // The game's window, at the player's size and place.
    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override;
    // The game's full screen, granted only when the player wants full screen.
    void setFullScreen(bool fullScreen) override;

    // The player's Alt+Enter: the other mode, kept as the player's choice.
    void toggleFullScreen();
    // The choice as it stands: the mode last chosen and, once the player has moved or resized
    // the window (it differs from where the desktop placed it), its size and place as last seen
    // in a window.
    WindowChoice choice() const;

  private:
    // `choice` with the window's size and place, when the player moved or resized it away from
    // where the desktop placed it.
    WindowChoice withPlayersChange(WindowChoice choice) const;

    WindowChoice choice_;
};

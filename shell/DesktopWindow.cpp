#include "shell/DesktopWindow.h"

DesktopWindow::DesktopWindow(std::unique_ptr<platform::Window> shown, const WindowChoice& choice)
    : ForwardingWindow(std::move(shown)), choice_(choice) {}

void DesktopWindow::showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) {
    shown().showWindowed(choice_.width != 0 ? choice_.width : clientWidth,
                         choice_.height != 0 ? choice_.height : clientHeight);
    if (choice_.x && choice_.y) {
        shown().moveTo(*choice_.x, *choice_.y);
    }
}

void DesktopWindow::setFullScreen(bool fullScreen) {
    shown().setFullScreen(fullScreen && choice_.fullScreen);
}

void DesktopWindow::toggleFullScreen() {
    const bool wasFullScreen = shown().isFullScreen();
    if (!wasFullScreen) {
        // Kept now: back in a window, the desktop places it anew.
        choice_ = withPlayersChange(choice_);
    }
    choice_.fullScreen = !wasFullScreen;
    shown().setFullScreen(choice_.fullScreen);
}

WindowChoice DesktopWindow::choice() const {
    return shown().isFullScreen() ? choice_ : withPlayersChange(choice_);
}

WindowChoice DesktopWindow::withPlayersChange(WindowChoice choice) const {
    const std::optional<RECT> placed = shown().placedBounds();
    const RECT r = shown().clientBounds();
    if (placed && r != *placed) {
        choice.width = static_cast<std::uint32_t>(r.right - r.left);
        choice.height = static_cast<std::uint32_t>(r.bottom - r.top);
        choice.x = r.left;
        choice.y = r.top;
    }
    return choice;
}

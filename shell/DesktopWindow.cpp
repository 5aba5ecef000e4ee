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
        lastBounds_ = shown().clientBounds();
    }
    choice_.fullScreen = !wasFullScreen;
    shown().setFullScreen(choice_.fullScreen);
}

WindowChoice DesktopWindow::choice() const {
    const std::optional<RECT> bounds =
        shown().isFullScreen() ? lastBounds_ : std::optional(shown().clientBounds());
    const std::optional<RECT> placed = shown().placedBounds();
    WindowChoice now = choice_;
    if (placed && bounds && bounds != placed) {
        const RECT& r = *bounds;
        now.width = static_cast<std::uint32_t>(r.right - r.left);
        now.height = static_cast<std::uint32_t>(r.bottom - r.top);
        now.x = r.left;
        now.y = r.top;
    }
    return now;
}

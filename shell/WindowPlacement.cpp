#include "shell/WindowPlacement.h"

#include <algorithm>
#include <limits>

namespace {

std::int64_t overlap(const RECT& a, const RECT& b) {
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Squared distance between the centres, doubled to stay whole.
std::int64_t distance(const RECT& a, const RECT& b) {
    const std::int64_t dx = std::int64_t{a.left} + a.right - b.left - b.right;
    const std::int64_t dy = std::int64_t{a.top} + a.bottom - b.top - b.bottom;
    return dx * dx + dy * dy;
}

// The screen that shows most of the window, or, when none shows any, the closest.
const RECT& nearest(const RECT& window, std::span<const RECT> screens) {
    const RECT* best = &screens.front();
    std::int64_t bestOverlap = -1;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (const RECT& screen : screens) {
        const std::int64_t shown = overlap(window, screen);
        const std::int64_t away = distance(window, screen);
        if (shown > bestOverlap || (shown == bestOverlap && away < bestDistance)) {
            best = &screen;
            bestOverlap = shown;
            bestDistance = away;
        }
    }
    return *best;
}

}  // namespace

WindowChoice fittedOnScreens(const WindowChoice& choice, std::span<const RECT> screens,
                             std::uint32_t gameWidth, std::uint32_t gameHeight) {
    if (screens.empty()) {
        return choice;
    }
    WindowChoice fitted = choice;
    const auto width = static_cast<std::int32_t>(choice.width != 0 ? choice.width : gameWidth);
    const auto height = static_cast<std::int32_t>(choice.height != 0 ? choice.height : gameHeight);
    const bool placed = choice.x && choice.y;
    const RECT window = placed ? RECT{*choice.x, *choice.y, *choice.x + width, *choice.y + height}
                               : RECT{0, 0, width, height};
    const RECT& screen = placed ? nearest(window, screens) : screens.front();
    // A window that has to be made smaller leaves a tenth of the screen for its frame, centred.
    const std::int32_t screenWidth = screen.right - screen.left;
    const std::int32_t screenHeight = screen.bottom - screen.top;
    const bool fits = width <= screenWidth && height <= screenHeight;
    const std::int32_t roomWidth = fits ? screenWidth : screenWidth - screenWidth / 10;
    const std::int32_t roomHeight = fits ? screenHeight : screenHeight - screenHeight / 10;
    if (!fits) {
        fitted.width = static_cast<std::uint32_t>(std::min(width, roomWidth));
        fitted.height = static_cast<std::uint32_t>(std::min(height, roomHeight));
    }
    if (placed && !fits) {
        fitted.x = screen.left + (screenWidth - roomWidth) / 2;
        fitted.y = screen.top + (screenHeight - roomHeight) / 2;
    } else if (placed) {
        fitted.x = std::clamp(*choice.x, screen.left, screen.right - width);
        fitted.y = std::clamp(*choice.y, screen.top, screen.bottom - height);
    }
    return fitted;
}

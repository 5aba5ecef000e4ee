#pragma once
// What the player's layer shows over the presented picture (pause, help, volume, the title's
// hint, the timer, the keys shown, a ghost): panels of text lines and another run's ball, drawn by
// the presenter after the picture is scaled, never into the game's picture.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Where a panel lies over the picture: at its middle, or against its edges.
enum class OverlayPlace { Middle, Bottom, TopRight, TopLeft, Top, BottomLeft };

// Lines in UTF-8, one under the other.
using OverlayColumn = std::vector<std::string>;

struct OverlayPanel {
    OverlayPlace place = OverlayPlace::Middle;
    // How many lines of its text would fill the picture's height: the text's size.
    int linesTall = 24;
    // Side by side, each as wide as its widest line.
    std::vector<OverlayColumn> columns = {};

    bool operator==(const OverlayPanel&) const = default;
};

// A place on the game's 640 × 480 picture, in its pixels.
struct OverlayPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const OverlayPoint&) const = default;
};

// Another run's ball where it is now, with the places it has just been at, oldest first.
struct OverlayGhost {
    OverlayPoint ball;
    std::vector<OverlayPoint> trail = {};

    bool operator==(const OverlayGhost&) const = default;
};

struct Overlay {
    // Drawn in order, a later panel over an earlier one.
    std::vector<OverlayPanel> panels = {};
    // Drawn under the panels.
    std::optional<OverlayGhost> ghost = {};

    bool empty() const { return panels.empty() && !ghost; }
    bool operator==(const Overlay&) const = default;
};

}  // namespace platform

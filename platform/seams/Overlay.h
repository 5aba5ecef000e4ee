#pragma once
// What the player's layer shows over the presented picture (pause, help, volume, the title's
// hint): panels of text lines, drawn by the presenter after the picture is scaled, never into the
// game's picture.
#include <string>
#include <vector>

namespace platform {

enum class OverlayPlace { Middle, Bottom, TopRight };

// Lines in UTF-8, one under the other.
using OverlayColumn = std::vector<std::string>;

struct OverlayPanel {
    OverlayPlace place = OverlayPlace::Middle;
    // How many lines of its text would fill the picture's height: the text's size.
    int linesTall = 24;
    // Side by side, each as wide as its widest line.
    std::vector<OverlayColumn> columns;

    bool operator==(const OverlayPanel&) const = default;
};

using Overlay = std::vector<OverlayPanel>;

}  // namespace platform

#pragma once
// How the picture is scaled to the window, by the names the command line and the settings give.
#include <optional>
#include <string_view>

namespace platform {

// Sharp: every picture pixel the same size on the screen, only the screen pixels on the edge
// between two mixed. Nearest: each screen pixel the nearest picture pixel's, some picture pixels
// then a screen pixel wider or taller than others.
enum class Scaling { Nearest, Sharp };

// "nearest" or "sharp"; none for any other name.
std::optional<Scaling> scalingNamed(std::string_view name);
std::string_view scalingName(Scaling scaling);

}  // namespace platform

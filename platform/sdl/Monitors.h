#pragma once
// The desktop's monitors, for placing a window on them.
#include <vector>

#include "winapi/WinTypes.h"

namespace platform {

// The part of each monitor that windows may use (without the desktop's panels), in desktop
// coordinates; empty when the video system is not running.
std::vector<RECT> usableMonitorAreas();

}  // namespace platform

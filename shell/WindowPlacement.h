#pragma once
// A window size and place kept from an earlier run, fitted onto the screens there are now: a
// window kept on a larger screen, or on one no longer there, opens whole on the nearest one, with
// room left for its frame.
#include <cstdint>
#include <span>

#include "shell/DesktopWindow.h"
#include "winapi/WinTypes.h"

// `screens`: the usable area of each screen, the first the main one; `gameWidth` × `gameHeight`
// the size the game asks for, which a choice of size 0 takes. Without screens the choice stands.
WindowChoice fittedOnScreens(const WindowChoice& choice, std::span<const RECT> screens,
                             std::uint32_t gameWidth, std::uint32_t gameHeight);

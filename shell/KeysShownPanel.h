#pragma once
// The game's keys as the latest poll reported them, for watching a game: at the picture's bottom
// left, in the key script's words.
#include "keyscript/KeyScript.h"
#include "platform/seams/Overlay.h"

platform::OverlayPanel keysShownPanel(const KeyScriptLine& polled);

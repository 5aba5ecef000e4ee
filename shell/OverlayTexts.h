#pragma once
// The words the player's layer shows over the picture, in English and in Korean, with the keys
// named as the player presses them.
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "platform/seams/Overlay.h"

// For each of the game's keys (by GameKeys' names) and the player's (by PlayerKeys' names), the
// keys that give it, as shown: "Left / A". A key not listed is shown by its own name, one that
// none gives as "(no key)".
using ShownKeys = std::map<std::string, std::string, std::less<>>;

// "Paused" and how to go on.
platform::OverlayPanel pausedPanel(const ShownKeys& keys);
// Where the game runs: a browser's page has controls of its own (on-screen keys, a full-screen
// button, its start) in place of the desktop's command line.
enum class HelpPlace { Desktop, Page };
#ifdef __EMSCRIPTEN__
inline constexpr HelpPlace ThisBuildsPlace = HelpPlace::Page;
#else
inline constexpr HelpPlace ThisBuildsPlace = HelpPlace::Desktop;
#endif

// The keys of the game, of the player's layer and of the gamepad, the furthest stage reached and,
// beside them, the personal bests (see bestsColumn).
platform::OverlayPanel helpPanel(const ShownKeys& keys, std::int32_t furthestStage,
                                 const platform::OverlayColumn& bests = {},
                                 HelpPlace place = ThisBuildsPlace);
// The volume from 0 to 100, or that the sound is off.
platform::OverlayPanel volumePanel(int volume, bool muted);
// The keys that start the game, and the help's key.
platform::OverlayPanel titleHintPanel(const ShownKeys& keys);
// Lines with each "{Name}" replaced by the keys that give Name, as the panels above name them.
platform::OverlayColumn linesWithKeys(std::initializer_list<std::string_view> lines,
                                      const ShownKeys& keys);

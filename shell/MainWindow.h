#pragma once
// The game's window: made through an installed factory (the desktop window for the game, a
// headless one until another is installed) and kept by the shell until destroyed.
#include <functional>
#include <memory>
#include <string>

#include "platform/seams/Window.h"
#include "winapi/HResult.h"

// Makes a window with the title (UTF-8); null, with the reason in `error`, when it cannot.
using WindowFactory =
    std::function<std::unique_ptr<platform::Window>(const char* title, std::string& error)>;

// Gives back the factory installed until now.
WindowFactory installWindowFactory(WindowFactory factory);

// The class the desktop knows the window by; the desktop session is started with it.
inline constexpr char MainWindowClassName[] = "Varnisk's Windows";
// The title as the 12 code-page 949 bytes the program holds; converted where text is shown.
inline constexpr char MainWindowTitleCp949[] = "\xC1\xA6\xB8\xF1\x20\xBE\xF8\xB0\xC5\xB5\xA2\x3F";

// A new window, shown, its size left to the display; *window is null and the result E_FAIL
// when none could be made (mainWindowFailure() then says why).
HRESULT createMainWindow(platform::Window** window);

// Destroys a window that createMainWindow made and posts the quit, as the window's own
// destruction does; the Display lets go of the window first when it presents into it. Any other
// pointer is ignored. Always S_OK.
HRESULT destroyMainWindow(platform::Window* window);

// Destroys every window createMainWindow made that is still there.
void destroyAllMainWindows();

// Why the last createMainWindow failed; empty after a success.
const std::string& mainWindowFailure();

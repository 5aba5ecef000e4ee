#pragma once
// What the game tells the page around it in a browser, and waits on it for; nothing elsewhere.

namespace platform {

#ifdef __EMSCRIPTEN__
// Returns once the page is visible: a hidden tab keeps the game still instead of running it at
// the browser's throttled pace.
void waitWhilePageHidden();
// Tells the page that a file is written whole, so that it can keep it (in IndexedDB).
void announceFileWritten(const char* path);
// Asks the page to show the game at full screen, or no longer; the page scales the canvas.
void showPageFullScreen(bool fullScreen);
bool isPageFullScreen();
#else
inline void waitWhilePageHidden() {}
inline void announceFileWritten(const char*) {}
#endif

}  // namespace platform

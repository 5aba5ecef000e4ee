#pragma once
// What the game tells the page around it in a browser, and waits on it for; nothing elsewhere.

namespace platform {

#ifdef __EMSCRIPTEN__
// Returns once the page is visible: a hidden tab keeps the game still instead of running it at
// the browser's throttled pace.
void waitWhilePageHidden();
// Tells the page that a file is written whole, so that it can keep it (in IndexedDB).
void announceFileWritten(const char* path);
#else
inline void waitWhilePageHidden() {}
inline void announceFileWritten(const char*) {}
#endif

}  // namespace platform

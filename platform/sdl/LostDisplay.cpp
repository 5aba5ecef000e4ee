#include "platform/sdl/LostDisplay.h"

#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

// Xlib's XIOErrorHandler, with the display left opaque.
using IoErrorHandler = int (*)(void* display);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler handler);

// Composed beforehand: once the connection is lost the handler only writes and ends.
char lostLine[256];
std::size_t lostLineLength = 0;

int endOnLostConnection(void*) {
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, lostLine, lostLineLength);
    _exit(1);
}

}  // namespace

void endPromptlyOnLostDisplay(const std::string& display) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) {
        return;
    }
    // SDL has loaded Xlib itself; this finds that copy and never loads another.
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (xlib == nullptr) {
        return;
    }
    const auto setHandler = reinterpret_cast<SetIoErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
    if (setHandler != nullptr) {
        std::snprintf(lostLine, sizeof lostLine,
                      "%s: lost the display (%s): its connection broke\n",
                      program_invocation_short_name, display.c_str());
        lostLineLength = std::strlen(lostLine);
        setHandler(&endOnLostConnection);
    }
    dlclose(xlib);  // drops only this lookup's reference; SDL's keeps Xlib loaded
}

}  // namespace platform

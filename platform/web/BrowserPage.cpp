#include "platform/web/BrowserPage.h"

#include <emscripten.h>

// JavaScript, run by the page's runtime (and kept from the C++ formatter); Asyncify suspends the
// game while the promise waits.
// clang-format off
EM_JS(int, tbIsPageHidden, (), {
    return typeof document !== 'undefined' && document.hidden ? 1 : 0;
});

EM_ASYNC_JS(void, tbWaitWhilePageHidden, (), {
    await new Promise(resolve => {
        const shown = () => {
            if (!document.hidden) {
                document.removeEventListener('visibilitychange', shown);
                resolve();
            }
        };
        document.addEventListener('visibilitychange', shown);
    });
});

EM_JS(void, tbAnnounceFileWritten, (const char* path), {
    if (Module['onFileWritten']) {
        Module['onFileWritten'](UTF8ToString(path));
    }
});

EM_JS(void, tbShowPageFullScreen, (int fullScreen), {
    if (Module['onFullScreenWanted']) {
        Module['onFullScreenWanted'](fullScreen !== 0);
    }
});

EM_JS(int, tbIsPageFullScreen, (), {
    return typeof document !== 'undefined' && document.fullscreenElement ? 1 : 0;
});
// clang-format on

namespace platform {

// Asked first without waiting: every call of an asynchronous function suspends and resumes the
// whole game, and the game asks at every sleep.
void waitWhilePageHidden() {
    if (tbIsPageHidden() != 0) {
        tbWaitWhilePageHidden();
    }
}

void announceFileWritten(const char* path) {
    tbAnnounceFileWritten(path);
}

void showPageFullScreen(bool fullScreen) {
    tbShowPageFullScreen(fullScreen ? 1 : 0);
}

bool isPageFullScreen() {
    return tbIsPageFullScreen() != 0;
}

}  // namespace platform

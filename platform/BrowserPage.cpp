#include "platform/BrowserPage.h"

#include <emscripten.h>

// JavaScript, run by the page's runtime (and kept from the C++ formatter); Asyncify suspends the
// game while the promise waits.
// clang-format off
EM_ASYNC_JS(void, tbWaitWhilePageHidden, (), {
    if (typeof document === 'undefined' || !document.hidden) {
        return;
    }
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
// clang-format on

namespace platform {

void waitWhilePageHidden() {
    tbWaitWhilePageHidden();
}

void announceFileWritten(const char* path) {
    tbAnnounceFileWritten(path);
}

}  // namespace platform

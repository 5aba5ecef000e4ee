#include "shell/MessagePump.h"

#include "platform/seams/WindowEvents.h"
#include "shell/WindowInput.h"

HRESULT pumpMessages() {
    if (windowInput.quitReceived != 0) {
        return E_FAIL;
    }
    platform::WindowMessage message;
    while (platform::windowEvents().nextMessage(message)) {
        if (message.message == WM_QUIT) {
            windowInput.quitReceived = 1;
            return E_FAIL;
        }
        windowProc(message.message, message.wParam, message.lParam);
    }
    if (windowInput.quitPosted != 0) {
        windowInput.quitReceived = 1;
        return E_FAIL;
    }
    return S_OK;
}

void postQuitMessage() {
    windowInput.quitPosted = 1;
}

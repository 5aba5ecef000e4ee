#include "shell/MessagePump.h"

#include "platform/WindowEvents.h"
#include "shell/WindowInput.h"

HRESULT pumpMessages() {
    if (windowInput.quitReceived != 0) {
        return E_FAIL;
    }
    platform::WindowMessage message;
    while (platform::windowEvents().nextMessage(message)) {
        if (message.message == platform::WM_QUIT) {
            windowInput.quitReceived = 1;
            return E_FAIL;
        }
        windowProc(message.message, message.wParam, message.lParam);
    }
    return S_OK;
}

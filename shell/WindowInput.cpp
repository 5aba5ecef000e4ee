#include "shell/WindowInput.h"

#include "platform/seams/WindowEvents.h"

WindowInput windowInput;

namespace {

// The coordinate words of a mouse message are signed 16-bit values.
std::int32_t signedWord(std::intptr_t value, int shift) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> shift) & 0xFFFF));
}

}  // namespace

std::intptr_t windowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case WM_KEYDOWN:
            windowInput.lastKey = static_cast<std::int32_t>(wParam);
            break;
        case WM_KEYUP:
            windowInput.lastKey = 0;
            break;
        case WM_MOUSEMOVE:
            windowInput.mouseX = signedWord(lParam, 0);
            windowInput.mouseY = signedWord(lParam, 16);
            break;
        case WM_LBUTTONDOWN:
            windowInput.leftButtonDown = 1;
            break;
        case WM_LBUTTONUP:
            windowInput.leftButtonDown = 0;
            break;
        case WM_RBUTTONDOWN:
            windowInput.rightButtonDown = 1;
            break;
        case WM_RBUTTONUP:
            windowInput.rightButtonDown = 0;
            break;
        default:
            // WM_DESTROY needs nothing here: the platform queues the quit right behind it.
            break;
    }
    return 0;
}

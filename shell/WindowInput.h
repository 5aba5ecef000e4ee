#pragma once
// The window procedure and the small record of input it keeps. The game steers by the
// Keyboard, not by this record, and reads of it only quitReceived, through the pump; the
// queries on the rest are fenced off in shell/spare/.
#include <cstdint>

struct WindowInput {
    std::int32_t lastKey = 0;
    std::int32_t leftButtonDown = 0;
    std::int32_t rightButtonDown = 0;
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    std::int32_t leftClickSeen = 0;
    std::int32_t rightClickSeen = 0;
    std::int32_t quitReceived = 0;
    std::int32_t quitPosted = 0;  // the program asked to quit; met once the queue is empty
};

extern WindowInput windowInput;

// Records the message and answers what the default handling answers (0 here).
std::intptr_t windowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

#pragma once
// The non-blocking message pump that every loop of the game turns once per pass.
#include "winapi/HResult.h"

// Hands every waiting message to the window procedure and returns S_OK when none is left;
// E_FAIL once the quit has been met, at that call and every later one. A quit posted by the
// program is met after the messages already waiting.
HRESULT pumpMessages();

// Posts the quit that ends the pump, as a window procedure does when its window is destroyed.
void postQuitMessage();

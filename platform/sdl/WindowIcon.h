#pragma once
// The game's icon on its window, as the desktop shows it in its task bar and switcher: the
// program's built-in icon image (the one the Windows build carries as its icon resource).
namespace platform {

class SdlWindow;

// False when the icon could not be read or set; the window then keeps the desktop's own.
bool setWindowIcon(SdlWindow& window);

}  // namespace platform

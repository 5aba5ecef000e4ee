#include "platform/sdl/LostDisplay.h"

namespace platform {

void endPromptlyOnLostDisplay(const std::string&) {}

}  // namespace platform

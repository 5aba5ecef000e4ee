#include "platform/LostDisplay.h"

namespace platform {

void endPromptlyOnLostDisplay(const std::string&) {}

}  // namespace platform

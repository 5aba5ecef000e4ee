#include "platform/files/RegularFile.h"

namespace platform {

std::string tooLarge(std::size_t maxBytes) {
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

}  // namespace platform

#pragma once
// The SDL the program was built with and the one it runs on.
#include <string>

namespace platform {

// "SDL 2.26.5 (built with 2.26.5)".
std::string sdlVersions();

}  // namespace platform

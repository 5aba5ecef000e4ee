#pragma once
// The link of a key script kept in a file (see RunLink.h), for the replay tool's --link and for
// the game's link to the run it recorded.
#include <string>

// False with `error` when the file cannot be read, does not hold a well-formed script (or link),
// or holds a run too long for a link.
bool linkOfScriptFile(const std::string& path, std::string& link, std::string& error);

#pragma once
// A small file a program keeps for the player (its records), replaced whole or left untouched.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Writes `text` to `path`, creating its folder, through a temporary file renamed over it; through
// a symbolic link, the link's target is replaced and the link stays. Only a regular file (or
// none) is replaced: a FIFO or a device is refused without waiting on it. With `keepOldAside`,
// the file there is first renamed to PATH.damaged (or .damaged.2, ...), once the new one is
// safely on the disk, so that what could not be read is not lost. False, with the reason in
// `error` (`what` names the file: "the records"), when anything fails; every file is then as it
// was.
bool replaceFile(const std::filesystem::path& path, std::string_view text, std::string_view what,
                 bool keepOldAside, std::string& error);

}  // namespace platform

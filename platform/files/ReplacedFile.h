#pragma once
// A small file a program keeps for the player (its settings, its records): read whole when it is
// there, replaced whole or left untouched.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct KeptFile {
    // The file's bytes; none when it is absent (or the path empty) or could not be read.
    std::optional<std::string> text;
    // Why it could not be read (readRegularFile's reason); empty when it read or is absent.
    std::string problem;
};

// The regular file at `path` when it holds at most `maxBytes` bytes (see readRegularFile).
KeptFile readKeptFile(const std::filesystem::path& path, std::size_t maxBytes);

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

#pragma once
// The temporary files of outputs being written ("NAME.PID.part"), removed when SIGINT, SIGTERM,
// SIGHUP or SIGPIPE (progress lines piped into a reader that left) ends the program. A signal
// the program already handles or ignores (the game's SDL, nohup) is left as it is.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The process that wrote `fileName` when it is a temporary file of the output named
// `targetName` ("NAME.PID.part"), so that one left by a program killed outright can be known.
std::optional<std::int32_t> partFileOwner(std::string_view fileName, std::string_view targetName);

// Starts watching `path`; a slot number for forgetPartFile, or -1 when every slot is taken (the
// file is then removed only by the program's own cleanup).
int watchPartFile(const char* path);
void forgetPartFile(int slot);

}  // namespace platform

#pragma once
// Whether two paths name one file: an output that is also an input is refused before anything
// is written to it.
#include <cstdio>
#include <string>

namespace platform {

// True when both paths lead, through any links, to the same file (the same device and inode,
// or volume and file index on Windows), or, when neither is there yet, to the same place in the
// same folder however each is written; false when only one is there.
bool sameFile(const std::string& first, const std::string& second);

// True when `stream`, open on a file on the disk, is no longer the file at `path`: it was removed
// or replaced while written, so that all written to it is lost. False for a pipe or a device.
bool fileLeftItsPath(std::FILE* stream, const std::string& path);

}  // namespace platform

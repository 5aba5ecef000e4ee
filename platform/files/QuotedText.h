#pragma once
// What a program read or was given, fit to quote in a message: a terminal shows it as it was
// and is not driven by it, and a huge word stays one short line.
#include <string>
#include <string_view>

// Bytes that do not print escaped as \xNN, cut to about 40 characters with "…".
std::string quotedForMessage(std::string_view text);
// A path the same way, cut only past a few hundred characters: which file it is shows whole.
std::string quotedPath(std::string_view path);

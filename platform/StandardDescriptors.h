#pragma once
// Standard input, output and error that the program was started without (closed, as `>&-`
// leaves them) are opened on /dev/null. Called first thing in every program: otherwise the next
// file or connection opened takes the lowest free descriptor, and what is written to standard
// output lands in it (the display's connection, a trace file).
namespace platform {

void openClosedStandardDescriptors();

// Whether standard input was closed at the start (and is /dev/null now), so that reading it
// can fail as it would have instead of finding it empty.
bool standardInputWasClosed();

}  // namespace platform

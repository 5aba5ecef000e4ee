#pragma once
// Files and the standard streams as the programs need them on every system: the bytes written
// are the bytes that arrive, what is meant for standard output lands nowhere else, and a program
// started from a console writes to it.

namespace platform {

// Called first thing in every program's main, before anything opens a file or a connection.
// Standard input, output and error that the program was started without (closed, as `>&-`
// leaves them) are opened on /dev/null; otherwise the next file or connection opened would take
// the lowest free descriptor and what is written to standard output would land in it (the
// display's connection, a trace file). A write past the file size limit (`ulimit -f`) fails and
// is reported instead of a signal ending the program.
// On Windows, which hands a program started without them handles that fail every write, the
// standard streams and every file opened later stop turning "\n" into "\r\n" (text read in still
// may have "\r\n": the readers allow it), and a program of the window subsystem started from a
// console, with no output handed to it, writes to that console.
void setUpStandardIo();

// Whether standard input was closed at the start (and is /dev/null now), so that reading it
// can fail as it would have instead of finding it empty.
bool standardInputWasClosed();

}  // namespace platform

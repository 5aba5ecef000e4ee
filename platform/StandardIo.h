#pragma once
// Files and the standard streams as the programs need them on every system: the bytes written
// are the bytes that arrive, and a program started from a console writes to it.

namespace platform {

// Called first thing in main. On Windows the standard streams and every file opened later stop
// turning "\n" into "\r\n" (text read in still may have "\r\n": the readers allow it), and a
// program of the window subsystem started from a console, with no output handed to it, writes
// to that console. Elsewhere all of this is already so, and a write past the file size limit
// (`ulimit -f`) fails and is reported instead of a signal ending the program.
void setUpStandardIo();

}  // namespace platform

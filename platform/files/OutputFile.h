#pragma once
// A file a program writes. A path that is a file, or nothing yet, is written under a temporary
// name beside the file (through any symbolic links, which stay links) and renamed over it once
// complete (with the mode of the file it replaces), so that a write that fails midway never
// leaves a part-written file behind; the temporary file is removed on SIGINT, SIGTERM, SIGHUP
// and SIGPIPE too, and a later open removes those of processes that are gone. A FIFO, a
// terminal or an open stream (/dev/stdout, /dev/fd/N) is written as a stream, opened without
// waiting: a FIFO nobody reads is refused at once. Anything else at the path (a folder, a
// device) is refused and never replaced.
#include <sys/types.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/files/QuotedText.h"

class OutputFile {
  public:
    // `what` names the file in messages: "the trace".
    OutputFile(std::string path, std::string what);
    // Removes the temporary file unless it was completed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file (or opens the stream), which also shows that the path can be
    // written; false, with the reason in `error`, when it cannot.
    bool open(std::string& error);
    std::FILE* stream() const { return stream_; }
    // Why a write to the stream failed, if one has; else empty.
    std::string writeFailure() const;
    // Writes out what the stream holds and, for a file, puts it on the disk, still under its
    // temporary name; false with the reason in `error`.
    bool sync(std::string& error);
    // Syncs, closes and renames to the path; false with the reason in `error` (the temporary
    // file is removed).
    bool complete(std::string& error);
    // The file the rename replaces: the path with its links followed; empty for a stream.
    const std::string& target() const { return target_; }

  private:
    // The stream's own writes, which keep the reason of the first that fails.
    static ssize_t writeOut(void* self, const char* bytes, std::size_t size);
    static int seek(void* self, off64_t* offset, int whence);
    bool openTemporary(const std::string& beside, std::string& error);
    // A FIFO or terminal at `path`, or a stream already open (which may be any device, as
    // /dev/stdout > /dev/null is) unless `onlyTerminals`.
    bool openStream(const std::string& path, bool onlyTerminals, std::string& error);
    bool makeStream(std::string& error);
    // "cannot write the trace PATH: reason", for either system.
    std::string cannotWrite(const std::string& reason) const {
        return "cannot write " + what_ + " " + quotedPath(path_) + ": " + reason;
    }
    std::string failure(int error) const { return cannotWrite(std::strerror(error)); }

    std::string path_;
    std::string what_;
    std::string target_;         // the file the rename replaces; empty for a stream
    std::string temporaryPath_;  // empty when there is none of ours to remove
    int descriptor_ = -1;
    int partSlot_ = -1;  // the temporary file's watch for signals
    int firstWriteError_ = 0;
    std::FILE* stream_ = nullptr;
    bool completed_ = false;
};

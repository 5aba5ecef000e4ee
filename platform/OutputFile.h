#pragma once
// A file written under a temporary name beside its own and renamed to its name once complete,
// so that a write that fails midway never leaves a part-written file behind.
#include <sys/types.h>

#include <cstdio>
#include <string>

class OutputFile {
  public:
    // `what` names the file in messages: "the trace".
    OutputFile(std::string path, std::string what);
    // Removes the temporary file unless it was completed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file, which also shows that the path can be written; false, with
    // the reason in `error`, when it cannot.
    bool open(std::string& error);
    std::FILE* stream() const { return stream_; }
    // Why a write to the stream failed, if one has; else empty.
    std::string writeFailure() const;
    // Writes out, closes and renames to the path; false with the reason in `error` (the
    // temporary file is removed).
    bool complete(std::string& error);

  private:
    // The stream's own writes, which keep the reason of the first that fails.
    static ssize_t writeOut(void* self, const char* bytes, std::size_t size);
    static int seek(void* self, off64_t* offset, int whence);
    std::string failure(int error) const;

    std::string path_;
    std::string what_;
    std::string temporaryPath_;
    int descriptor_ = -1;
    int firstWriteError_ = 0;
    std::FILE* stream_ = nullptr;
    bool completed_ = false;
};

#include "shell/KeyScriptFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "shell/KeyScriptReader.h"

namespace {

// Whether `in` is a file that can be read again from its start; false with the reason in `error`
// when it is no open file at all (a closed standard input).
bool canReadTwice(std::FILE* in, const std::string& name, bool& rereadable, std::string& error) {
    struct stat status {};
    if (fstat(fileno(in), &status) != 0) {
        error = "cannot read the script " + name + ": " + std::strerror(errno);
        return false;
    }
    rereadable = S_ISREG(status.st_mode);
    return true;
}

}  // namespace

KeyScriptFile::~KeyScriptFile() {
    for (std::FILE* file : {opened_, kept_}) {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
}

bool KeyScriptFile::open(const std::string& path, std::string& error) {
    std::FILE* in = stdin;
    name_ = "standard input";
    if (path != "-") {
        name_ = path;
        in = opened_ = std::fopen(path.c_str(), "r");
        if (in == nullptr) {
            error = "cannot read the script " + path + ": " + std::strerror(errno);
            return false;
        }
    }
    bool rereadable = false;
    if (!canReadTwice(in, name_, rereadable, error)) {
        return false;
    }
    if (!rereadable && (kept_ = std::tmpfile()) == nullptr) {
        error = "cannot keep a copy of the script " + name_ + ": " + std::strerror(errno);
        return false;
    }
    const long start = rereadable ? std::ftell(in) : 0;
    KeyScriptReader reader(in, name_, kept_);
    KeyScriptLine line;
    while (reader.next(line)) {
    }
    if (!reader.fault().empty()) {
        error = reader.fault();
        return false;
    }
    if (kept_ != nullptr && std::fflush(kept_) != 0) {
        error = "cannot keep a copy of the script " + name_ + ": " + std::strerror(errno);
        return false;
    }
    stream_ = rereadable ? in : kept_;
    if (std::fseek(stream_, start, SEEK_SET) != 0) {
        error = "cannot read the script " + name_ + " again: " + std::strerror(errno);
        return false;
    }
    return true;
}

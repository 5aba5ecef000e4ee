#include "keyscript/KeyScriptFile.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <utility>

#include "keyscript/KeyScriptReader.h"
#include "keyscript/RunLink.h"
#include "platform/files/QuotedText.h"
#include "platform/files/StandardIo.h"
#include "platform/files/UnlockedRead.h"

namespace {

// "cannot <doing> the script <name>: <the system's reason for the latest failure>".
std::string failure(const char* doing, const std::string& name) {
    return std::string("cannot ") + doing + " the script " + name + ": " + std::strerror(errno);
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
        name_ = quotedPath(path);
        in = opened_ = std::fopen(path.c_str(), "r");
    }
    // A closed standard input is no open file at all, though the program opened /dev/null there.
    struct stat status {};
    if (in == stdin && platform::standardInputWasClosed()) {
        errno = EBADF;
        in = nullptr;
    }
    if (in == nullptr || fstat(fileno(in), &status) != 0) {
        error = failure("read", name_);
        return false;
    }
    const bool rereadable = S_ISREG(status.st_mode);
    start_ = rereadable ? std::ftell(in) : 0;
    std::string firstLine;  // with the blank lines before it
    if (!readUpTo(in, '\n', firstLine, error)) {
        return false;
    }
    if (looksLikeRunLink(firstLine)) {
        return openLink(in, std::move(firstLine), error);
    }
    if (!rereadable && (kept_ = std::tmpfile()) == nullptr) {
        error = failure("keep a copy of", name_);
        return false;
    }
    KeyScriptReader reader(in, name_, kept_, std::move(firstLine));
    KeyScriptLine line;
    while (reader.next(line)) {
        polls_ += line.count;
    }
    if (!reader.fault().empty()) {
        error = reader.fault();
        return false;
    }
    if (kept_ != nullptr && std::fflush(kept_) != 0) {
        error = failure("keep a copy of", name_);
        return false;
    }
    stream_ = rereadable ? in : kept_;
    if (rereadable) {
        checked_ = stampOf(in);
    }
    return rewind(error);
}

bool KeyScriptFile::rewind(std::string& error) {
    if (std::fseek(stream_, start_, SEEK_SET) != 0) {
        error = failure("rewind", name_);
        return false;
    }
    return true;
}

bool KeyScriptFile::readUpTo(std::FILE* in, int stop, std::string& text, std::string& error) {
    int c = 0;
    bool wordsRead = false;
    while (text.size() <= MaxRunLinkChars && (c = platform::getcUnlocked(in)) != EOF) {
        text += static_cast<char>(c);
        if (c == stop && wordsRead) {
            break;
        }
        wordsRead = wordsRead || std::isspace(c) == 0;
    }
    if (std::ferror(in) != 0) {
        error = failure("read", name_);
        return false;
    }
    return true;
}

bool KeyScriptFile::openLink(std::FILE* in, std::string text, std::string& error) {
    if (!readUpTo(in, EOF, text, error)) {
        return false;
    }
    RunScript run;
    std::string problem;
    if (!looksLikeRunLink(text)) {
        problem = "more than one word";
    } else if (readRunLink(text, run, problem)) {
        for (const KeyScriptLine& line : run.lines) {
            polls_ += line.count;
        }
        const std::string script = keyScriptText(run);
        if ((kept_ = std::tmpfile()) == nullptr ||
            std::fwrite(script.data(), 1, script.size(), kept_) != script.size() ||
            std::fflush(kept_) != 0 || std::fseek(kept_, 0, SEEK_SET) != 0) {
            error = failure("keep the script of", name_);
            return false;
        }
        stream_ = kept_;
        return true;
    }
    error = "bad link in " + name_ + ": " + problem;
    return false;
}

std::string KeyScriptFile::changed() const {
    if (!checked_ || stampOf(stream_) == checked_) {
        return {};
    }
    return "the script " + name_ + " changed while it was played";
}

std::optional<KeyScriptFile::Stamp> KeyScriptFile::stampOf(std::FILE* file) {
    struct stat status {};
    if (fstat(fileno(file), &status) != 0) {
        return std::nullopt;
    }
    return Stamp{static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtime)};
}

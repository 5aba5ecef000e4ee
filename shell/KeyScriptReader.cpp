#include "shell/KeyScriptReader.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/UnlockedRead.h"

KeyScriptReader::KeyScriptReader(std::FILE* in, std::string name, std::FILE* copy)
    : in_(in), name_(std::move(name)), copy_(copy) {
    text_.reserve(MaxLineBytes + 1);
}

bool KeyScriptReader::next(KeyScriptLine& line) {
    while (fault_.empty() && readLine()) {
        std::string problem;
        switch (parseKeyScriptLine(text_, line, problem)) {
            case LineMeaning::Polls:
                return true;
            case LineMeaning::Nothing:
                break;
            case LineMeaning::Malformed:
                fault_ = "bad script, line " + std::to_string(number_) + ": " + problem;
                return false;
        }
    }
    return false;
}

bool KeyScriptReader::readLine() {
    text_.clear();
    int c = 0;
    while ((c = platform::getcUnlocked(in_)) != EOF && c != '\n') {
        if (text_.size() == MaxLineBytes) {
            fault_ = "bad script, line " + std::to_string(number_ + 1) + ": longer than " +
                     std::to_string(MaxLineBytes) + " bytes";
            return false;
        }
        text_ += static_cast<char>(c);
    }
    if (c == EOF) {
        if (std::ferror(in_) != 0) {
            fault_ = "cannot read the script " + name_ + ": " + std::strerror(errno);
            return false;
        }
        if (text_.empty()) {
            return false;
        }
    }
    ++number_;
    return keepCopy();
}

bool KeyScriptReader::keepCopy() {
    if (copy_ == nullptr) {
        return true;
    }
    if (std::fwrite(text_.data(), 1, text_.size(), copy_) != text_.size() ||
        std::fputc('\n', copy_) == EOF) {
        fault_ = "cannot keep a copy of the script " + name_ + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

#include "keyscript/KeyScriptReader.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "keyscript/KeyScript.h"
#include "platform/files/UnlockedRead.h"

KeyScriptReader::KeyScriptReader(std::FILE* in, std::string name, std::FILE* copy,
                                 std::string readAhead)
    : in_(in), name_(std::move(name)), copy_(copy), readAhead_(std::move(readAhead)) {
    text_.reserve(MaxLineBytes + 1);
}

std::optional<std::int32_t> KeyScriptReader::startStage() {
    if (headerRead_) {
        return startStage_;
    }
    headerRead_ = true;
    while (fault_.empty() && readLine()) {
        if (std::string problem; isStageLine(text_)) {
            std::int32_t stage = 0;
            if (!parseStageLine(text_, stage, problem)) {
                fault_ = "bad script, line " + std::to_string(number_) + ": " + problem;
                return std::nullopt;
            }
            startStage_ = stage;
        } else if (KeyScriptLine line; readPolls(line)) {
            firstPolls_ = line;
            break;
        }
    }
    return startStage_;
}

bool KeyScriptReader::next(KeyScriptLine& line) {
    if (!headerRead_) {
        startStage();
    }
    if (firstPolls_) {
        line = *firstPolls_;
        firstPolls_.reset();
        return true;
    }
    while (fault_.empty() && readLine()) {
        if (readPolls(line)) {
            return true;
        }
    }
    return false;
}

// The polls of the line just read; false for a line of no polls and at a fault.
bool KeyScriptReader::readPolls(KeyScriptLine& line) {
    std::string problem;
    switch (parseKeyScriptLine(text_, line, problem)) {
        case LineMeaning::Polls:
            return true;
        case LineMeaning::Nothing:
            return false;
        case LineMeaning::Malformed:
            fault_ = "bad script, line " + std::to_string(number_) + ": " + problem;
            return false;
    }
    return false;
}

bool KeyScriptReader::readLine() {
    text_.clear();
    int c = 0;
    while ((c = nextByte()) != EOF && c != '\n') {
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

int KeyScriptReader::nextByte() {
    if (readAheadUsed_ < readAhead_.size()) {
        return static_cast<unsigned char>(readAhead_[readAheadUsed_++]);
    }
    return platform::getcUnlocked(in_);
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

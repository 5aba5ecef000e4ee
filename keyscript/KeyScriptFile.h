#pragma once
// A key script opened for playing: read through to its end first, so that a fault anywhere in
// it is found before anything plays, then read again from its start. Input that cannot be read
// twice (a pipe, a terminal) is kept in an unnamed temporary file as it is read the first time.
// Input that is a run's link instead (see RunLink.h) is unpacked whole into such a file.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

class KeyScriptFile {
  public:
    KeyScriptFile() = default;
    ~KeyScriptFile();
    KeyScriptFile(const KeyScriptFile&) = delete;
    KeyScriptFile& operator=(const KeyScriptFile&) = delete;

    // The script at `path`, or on standard input for "-", checked whole and ready at its start.
    // False with the message in `error` (see KeyScriptReader::fault; "bad link in NAME: ..."
    // for a link that cannot be played).
    bool open(const std::string& path, std::string& error);

    // The script, from its first line; null before a successful open.
    std::FILE* stream() const { return stream_; }
    // The stream back at the script's first line, to play it again; false with the message.
    bool rewind(std::string& error);
    // Every poll the script holds, as checked.
    std::uint64_t polls() const { return polls_; }
    // How messages name the script: its path (quoted), or "standard input".
    const std::string& name() const { return name_; }
    // Empty while the file read is as it was when checked; else a message saying that it
    // changed (was overwritten) since, so that what was played cannot be trusted.
    std::string changed() const;

  private:
    std::FILE* opened_ = nullptr;  // the file at the path, closed at the end
    std::FILE* kept_ = nullptr;    // the copy of input that cannot be read twice
    std::FILE* stream_ = nullptr;
    long start_ = 0;  // where the script starts in the stream
    std::string name_;
    std::uint64_t polls_ = 0;
    // The checked file's size and time of change; none for a copy kept of a stream.
    struct Stamp {
        long long size = 0;
        long long modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> checked_;
    // Appends what `in` holds to `text`, through the first byte `stop` after a byte that is not
    // blank, the end, or one byte past the longest link; false with the message when reading
    // fails.
    bool readUpTo(std::FILE* in, int stop, std::string& text, std::string& error);
    // The link that starts with `text`, its script kept to be played.
    bool openLink(std::FILE* in, std::string text, std::string& error);
    static std::optional<Stamp> stampOf(std::FILE* file);
};

#pragma once
// The records kept while the game runs: read at the start, offered each run, written when a run
// beat one. Each write reads the file again first and keeps the better of each record, so two
// games on one file never lose each other's records. A write that fails is named once on stderr;
// the next write tries again. Reading and writing replay scripts (see RecordsFile.h): call them
// where no game is running, before start-up or after it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runs/Records.h"
#include "runs/RecordsFile.h"

class RecordsKeeper {
  public:
    // The records of the file at `path` (recordsPath()); none kept when it is empty.
    explicit RecordsKeeper(std::filesystem::path path);

    const Records& records() const { return records_; }
    // What reading the file found wrong, one a line.
    const std::vector<std::string>& warnings() const { return warnings_; }

    // Takes in the run (see offer in Records.h); what it beat is written at the next keep.
    Offered offer(const RunTimes& times, std::string_view script);
    // Writes the records this game set, if any are not yet written, over the file as it now is.
    // False when they could not be written.
    bool keep();

  private:
    std::filesystem::path path_;
    Records records_;
    // The records this game set and has not yet written.
    Records unwritten_;
    bool anyUnwritten_ = false;
    std::vector<std::string> warnings_;
    bool failureNamed_ = false;
};

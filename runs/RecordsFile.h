#pragma once
// The records file, "records" in tilebounce's folder of the player's data. Reading never fails
// and believes no time: every record's script is replayed (off screen, see OffScreen.h, so call
// it where no game is running), and one that does not replay to what it claims is set aside with
// a warning. Writing replaces the file whole, and a file that was not read whole, or held a
// record set aside, is first renamed aside (records.damaged), so nothing is lost.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "runs/Records.h"

// A larger file is not read at all: 21 records at their largest fit in it.
inline constexpr std::size_t MaxRecordsBytes = 4 * 1024 * 1024;

struct RecordsFile {
    std::filesystem::path path;
    Records records;
    // One a line: what could not be read, each record set aside and why.
    std::vector<std::string> warnings;
    // Whether something of the file was not taken, which the next write keeps aside.
    bool damaged = false;
};

// tilebounce/records in the user's data folder (platform::userDataFolder); empty when none is set.
std::filesystem::path recordsPath();

// Reads only a regular file of at most MaxRecordsBytes, opened without waiting on anything.
RecordsFile readRecords(const std::filesystem::path& path);

// Writes `records` to the file that was read (see platform::replaceFile). False, with the reason
// in `error`, when anything fails; every file is then as it was.
bool writeRecords(const RecordsFile& read, const Records& records, std::string& error);

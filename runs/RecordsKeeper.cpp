#include "runs/RecordsKeeper.h"

#include <cstdio>
#include <utility>

RecordsKeeper::RecordsKeeper(std::filesystem::path path) : path_(std::move(path)) {
    RecordsFile read = readRecords(path_);
    records_ = std::move(read.records);
    warnings_ = std::move(read.warnings);
}

Offered RecordsKeeper::offer(const RunTimes& times, std::string_view script) {
    Offered offered = ::offer(records_, times, script);
    for (const RecordBeaten& beaten : offered.beaten) {
        unwritten_.best[beaten.what] = records_.best[beaten.what];
        anyUnwritten_ = true;
    }
    return offered;
}

bool RecordsKeeper::keep() {
    if (!anyUnwritten_ || path_.empty()) {
        return true;
    }
    // Read again just before: another game may have written the file since.
    RecordsFile onDisk = readRecords(path_);
    Records kept = onDisk.records;
    keepBetter(kept, unwritten_);
    std::string error;
    if (!writeRecords(onDisk, kept, error)) {
        if (!failureNamed_) {
            std::fprintf(stderr, "tilebounce: the records were not saved: %s\n", error.c_str());
        }
        failureNamed_ = true;
        return false;
    }
    keepBetter(records_, kept);
    unwritten_ = {};
    anyUnwritten_ = false;
    failureNamed_ = false;
    return true;
}

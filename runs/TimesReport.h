#pragma once
// The times of a replayed run as the replay tool reports them.
#include <string>
#include <string_view>

#include "runs/RunTimes.h"

// A line "stage N m:ss.cc" for each stage cleared, in the order played, then "total m:ss.cc"
// (the run's time) and "version V" (the build that played it).
std::string timesReport(const RunTimes& times, std::string_view version);

#pragma once
// The records file's text. A section "[game]" or "[stage N]" holds one record's key script, a
// line "| TEXT" for each line of it; '#' lines and blank lines between them say nothing. Times
// are not written: a record's time is found by replaying its script.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runs/Records.h"

// One section as read: what it is a record of and its script, still to be replayed.
struct RecordClaim {
    std::int32_t what = WholeGame;
    std::string script;
    std::size_t line = 0;  // the section's line in the file, for messages
};

struct RecordsText {
    std::vector<RecordClaim> claims;
    // "LINE: what is wrong" for each line that is neither, in the order found.
    std::vector<std::string> damage;
};

RecordsText parseRecordsText(std::string_view text);

// The file's text for `records`, the whole game first, then the stages in order.
std::string recordsText(const Records& records);

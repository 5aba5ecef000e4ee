#include "runs/RecordsText.h"

#include <algorithm>
#include <charconv>

#include "platform/files/QuotedText.h"
#include "runs/TextLines.h"

namespace {

constexpr std::string_view Heading =
    "# tilebounce's personal bests, each with the key script that set it. A record's time is\n"
    "# the one its script replays to.\n";

// The record a section heading names: "[game]" or "[stage N]"; false for anything else.
bool parseHeading(std::string_view text, std::int32_t& what) {
    if (text == "[game]") {
        what = WholeGame;
        return true;
    }
    constexpr std::string_view Open = "[stage ";
    if (!text.starts_with(Open) || !text.ends_with("]")) {
        return false;
    }
    const std::string_view number = text.substr(Open.size(), text.size() - Open.size() - 1);
    const char* end = number.data() + number.size();
    const auto [stop, failure] = std::from_chars(number.data(), end, what);
    return failure == std::errc{} && stop == end && what >= FirstStage && what <= LastStage;
}

std::string headingOf(std::int32_t what) {
    return what == WholeGame ? "[game]" : "[stage " + std::to_string(what) + "]";
}

}  // namespace

RecordsText parseRecordsText(std::string_view text) {
    RecordsText read;
    std::size_t number = 0;
    forEachLine(text, [&](std::string_view line) {
        ++number;
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        std::int32_t what = WholeGame;
        if (line.starts_with(RecordScriptLineMark) || line == "|") {
            if (read.claims.empty()) {
                read.damage.push_back(std::to_string(number) + ": a script line outside a record");
                return;
            }
            line.remove_prefix(std::min(line.size(), RecordScriptLineMark.size()));
            read.claims.back().script.append(line).append("\n");
        } else if (parseHeading(line, what)) {
            read.claims.push_back({.what = what, .script = {}, .line = number});
        } else if (!line.empty() && !line.starts_with('#')) {
            read.damage.push_back(std::to_string(number) + ": " + quotedForMessage(line) +
                                  " is neither a record's heading nor a line of its script");
        }
    });
    return read;
}

std::string recordsText(const Records& records) {
    std::string text(Heading);
    for (std::int32_t what = WholeGame; what <= LastStage; ++what) {
        const std::optional<Record>& record = records.of(what);
        if (!record) {
            continue;
        }
        text.append("\n").append(headingOf(what)).append("\n");
        forEachLine(record->script, [&](std::string_view line) {
            text.append(RecordScriptLineMark).append(line).append("\n");
        });
    }
    return text;
}

#pragma once
// Text taken a line at a time.
#include <string_view>

// Calls `each` with every line of `text`, without its newline; a last line without one counts.
template <typename Each>
void forEachLine(std::string_view text, Each each) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        each(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

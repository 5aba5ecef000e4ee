#pragma once
// What every fuzz target asks of a message about its input: short and printable, whatever the
// input held. Aborts, for the fuzzer to report, when it is not.
#include <cstdlib>
#include <string>

inline void requireTameMessage(const std::string& message) {
    if (message.size() > 300) {
        std::abort();
    }
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            std::abort();
        }
    }
}

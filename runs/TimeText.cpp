#include "runs/TimeText.h"

#include <cinttypes>
#include <cstdio>

std::string formatTime(std::uint64_t ns) {
    const std::uint64_t centiseconds = ns / 10'000'000;
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIu64 ":%02" PRIu64 ".%02" PRIu64, centiseconds / 6000,
                  centiseconds / 100 % 60, centiseconds % 100);
    return text;
}

std::string formatDifference(std::uint64_t ns, std::uint64_t thanNs) {
    const bool ahead = ns < thanNs;
    std::string text(1, ahead ? '-' : '+');
    return text.append(formatTime(ahead ? thanNs - ns : ns - thanNs));
}

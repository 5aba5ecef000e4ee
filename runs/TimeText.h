#pragma once
// Times as a player reads them.
#include <cstdint>
#include <string>

// "m:ss.cc", centiseconds cut (never rounded up), hours counted in minutes: "3:07.45", "75:00.00".
std::string formatTime(std::uint64_t ns);

// `ns` less `thanNs`, signed: "+0:01.20" when slower, "-0:00.35" when quicker, "+0:00.00" level.
std::string formatDifference(std::uint64_t ns, std::uint64_t thanNs);

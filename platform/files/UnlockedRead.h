#pragma once
// A byte from a stream the caller alone reads, without taking the stream's lock for each byte.
#include <cstdio>

namespace platform {

inline int getcUnlocked(std::FILE* in) {
#ifdef _WIN32
    return _getc_nolock(in);
#else
    return getc_unlocked(in);
#endif
}

}  // namespace platform

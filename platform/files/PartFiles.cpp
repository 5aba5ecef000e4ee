#include "platform/files/PartFiles.h"

#include <array>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#define unlink _unlink
#else
#include <unistd.h>
#endif

namespace platform {
namespace {

// A handful of outputs at most are open at once; the handler reads only these fixed buffers.
constexpr std::size_t Slots = 8;
constexpr std::size_t MaxPathBytes = 4096;

struct Slot {
    std::array<char, MaxPathBytes> path{};
    volatile std::sig_atomic_t watched = 0;
};
std::array<Slot, Slots> slots;

#ifdef SIGHUP
constexpr std::array EndingSignals{SIGINT, SIGTERM, SIGHUP, SIGPIPE};
#else
constexpr std::array EndingSignals{SIGINT, SIGTERM};
#endif

extern "C" void removeAndEnd(int signal) {
    for (Slot& slot : slots) {
        if (slot.watched != 0) {
            unlink(slot.path.data());
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void handleEndingSignals() {
    static bool handled = false;
    if (handled) {
        return;
    }
    handled = true;
    for (const int signal : EndingSignals) {
        const auto previous = std::signal(signal, removeAndEnd);
        if (previous != SIG_DFL && previous != SIG_ERR) {
            std::signal(signal, previous);
        }
    }
}

}  // namespace

std::optional<std::int32_t> partFileOwner(std::string_view fileName, std::string_view targetName) {
    constexpr std::string_view Suffix = ".part";
    if (fileName.size() <= targetName.size() + 1 + Suffix.size() ||
        !fileName.starts_with(targetName) || fileName[targetName.size()] != '.' ||
        !fileName.ends_with(Suffix)) {
        return std::nullopt;
    }
    fileName.remove_prefix(targetName.size() + 1);
    fileName.remove_suffix(Suffix.size());
    std::int32_t owner = 0;
    const auto [end, failed] =
        std::from_chars(fileName.data(), fileName.data() + fileName.size(), owner);
    if (failed != std::errc{} || end != fileName.data() + fileName.size() || owner <= 0) {
        return std::nullopt;
    }
    return owner;
}

int watchPartFile(const char* path) {
    handleEndingSignals();
    if (std::strlen(path) >= MaxPathBytes) {
        return -1;
    }
    for (std::size_t i = 0; i < Slots; ++i) {
        if (slots[i].watched == 0) {
            std::strcpy(slots[i].path.data(), path);
            // The path is whole before the handler can see the slot as watched.
            std::atomic_signal_fence(std::memory_order_release);
            slots[i].watched = 1;
            return static_cast<int>(i);
        }
    }
    return -1;
}

void forgetPartFile(int slot) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < Slots) {
        slots[static_cast<std::size_t>(slot)].watched = 0;
    }
}

}  // namespace platform

// Feeds any bytes to the link reader, and packs a run made of the same bytes. Beyond what the
// sanitizers and the fuzzer judge: a link taken gives back the same run when made again, a run
// packed is read back exactly, and a refusal's message is short and printable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/TameMessage.h"
#include "keyscript/RunLink.h"

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A run whose every line takes five bytes: a count of up to 32 bits, then the keys.
RunScript runOf(const std::uint8_t* data, std::size_t size) {
    RunScript run;
    if (data[0] % 21 != 0) {
        run.stage = data[0] % 21;
    }
    for (std::size_t at = 1; at + 5 <= size; at += 5) {
        std::uint32_t count = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            count = count << 8 | data[at + i];
        }
        const std::uint32_t bits = data[at + 4] | (count & 0x7Fu) << 8;
        count = count % MaxKeyScriptCount + 1;
        const auto held = static_cast<std::uint8_t>(bits & 0x7Fu);
        run.lines.push_back({count, held, static_cast<std::uint8_t>(bits >> 7 & 0x7Fu & ~held)});
    }
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RunScript run;
    std::string problem;
    if (readRunLink(text, run, problem)) {
        RunScript again;
        require(readRunLink(packedRunLink(run), again, problem) && again == run);
    } else {
        requireTameMessage(problem);
    }
    const RunScript made = runOf(data, size);
    std::string link;
    require(makeRunLink(made, link, problem));
    RunScript read;
    require(readRunLink(link, read, problem) && read == made);
    return 0;
}

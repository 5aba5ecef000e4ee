// Feeds any bytes to the key-script reader as a file. Beyond what the sanitizers and the fuzzer
// judge, every line read must say the same again from the text it is written back as, and a
// fault's message must be short and printable whatever the input held.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/TameMessage.h"
#include "keyscript/KeyScriptReader.h"

namespace {

void requireRoundTrip(const KeyScriptLine& line) {
    KeyScriptLine again;
    std::string problem;
    if (parseKeyScriptLine(formatKeyScriptLine(line), again, problem) != LineMeaning::Polls ||
        !(again == line)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (in == nullptr) {
        return 0;
    }
    KeyScriptReader reader(in, "fuzz");
    KeyScriptLine line;
    while (reader.next(line)) {
        requireRoundTrip(line);
    }
    requireTameMessage(reader.fault());
    std::fclose(in);
    return 0;
}

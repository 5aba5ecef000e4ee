// Feeds any bytes to the records reader as a file's text. Beyond what the sanitizers and the
// fuzzer judge, the records read must read back the same from the text the game would write for
// them, and every damage message must be short and printable whatever the input held. Scripts
// are not replayed here: that is the game's, fuzzed through the key-script reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/TameMessage.h"
#include "runs/RecordsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RecordsText read =
        parseRecordsText(std::string_view(reinterpret_cast<const char*>(data), size));
    Records records;
    for (const std::string& damage : read.damage) {
        requireTameMessage(damage);
    }
    for (const RecordClaim& claim : read.claims) {
        records.best.at(claim.what) = Record{0, claim.script};
    }
    const RecordsText again = parseRecordsText(recordsText(records));
    if (!again.damage.empty()) {
        std::abort();
    }
    for (const RecordClaim& claim : again.claims) {
        if (!records.of(claim.what) || records.of(claim.what)->script != claim.script) {
            std::abort();
        }
    }
    return 0;
}

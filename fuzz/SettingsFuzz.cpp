// Feeds any bytes to the settings reader as a file's text. Beyond what the sanitizers and the
// fuzzer judge, what was read must read back the same from the text the game would write for
// it, and the damage message must be short and printable whatever the input held.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/TameMessage.h"
#include "programs/tilebounce/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SettingsText read =
        parseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    requireTameMessage(read.damage);
    const SettingsText again = parseSettings(settingsText(read.settings));
    if (!again.damage.empty() || !(again.settings == read.settings)) {
        std::abort();
    }
    return 0;
}

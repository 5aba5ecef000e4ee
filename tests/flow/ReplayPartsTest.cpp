#include <gtest/gtest.h>

#include <sstream>

#include "tools/replay/KeyScript.h"

namespace {

std::string parseError(const std::string& text) {
    std::istringstream in(text);
    KeyScript script;
    std::string error;
    EXPECT_FALSE(parseKeyScript(in, script, error)) << text;
    return error;
}

TEST(KeyScript, NamesTheMalformedLine) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"-3 Left\n", "line 1: the count '-3'"},
             {"18446744073709551616 -\n", "line 1: the count"},
             {"\n# ok\n5\n", "line 3: expected COUNT KEYS"},
             {"1 enter\n", "line 1: unknown key 'enter'"},
             {"1 Left++Up\n", "line 1: unknown key ''"},
             {"1 -+Left\n", "line 1: unknown key '-'"},
             {"1 Left Up\n", "line 1: unexpected 'Up'"},
             {" # indented\n", "line 1: the count '#'"},
         }) {
        const std::string error = parseError(text);
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

}  // namespace

#pragma once
// Code-page 949 text as UTF-8, for the platform's text interfaces.
#include <string>
#include <string_view>

// ASCII passes through; of the double-byte characters only those the program's own texts use
// are known, and any other pair becomes U+FFFD.
std::string cp949ToUtf8(std::string_view text);

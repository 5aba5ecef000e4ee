#pragma once
// Bytes as text that a URL carries as it is (RFC 4648's URL-safe alphabet, without padding).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string toBase64Url(const std::vector<std::uint8_t>& bytes);

// The bytes `text` stands for; none when it holds a character outside the alphabet, or a length
// or unused low bits that no encoding gives.
std::optional<std::vector<std::uint8_t>> fromBase64Url(std::string_view text);

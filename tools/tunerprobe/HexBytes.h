#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Bytes written as pairs of hex digits, optionally separated by spaces,
// colons or commas: "0a ff 01", "0A:FF:01", "0aff01". Nothing when the text
// holds anything else or an odd digit.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

// "0a ff 01"
std::string FormatHexBytes(const std::vector<std::uint8_t>& bytes);

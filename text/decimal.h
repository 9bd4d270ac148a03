#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the game shows and reads them: plain decimal digits.
std::u32string decimal(std::int64_t value);
// A whole decimal number (sign allowed, blanks around it allowed), or nothing.
// Values beyond the 64-bit range saturate.
std::optional<std::int64_t> whole_number(std::u32string_view text);

#pragma once
#include <array>
#include <string_view>

// The words a first run writes into the word file, in file order.
extern const std::array<std::u32string_view, 56> builtin_words;

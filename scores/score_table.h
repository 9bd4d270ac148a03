#pragma once
#include <array>
#include <string>
#include <string_view>

// The three places, best first: cell 2k-2 is the name and cell 2k-1 the score of
// place k, both kept as the texts shown and stored.
using ScoreCells = std::array<std::u32string, 6>;

inline constexpr std::u32string_view default_name = U"Quiro";
inline constexpr std::u32string_view default_score = U"1000";

ScoreCells default_score_table();

#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The three places, best first: cell 2k-2 is the name and cell 2k-1 the score of
// place k, both kept as the texts shown and stored.
using ScoreCells = std::array<std::u32string, 6>;

inline constexpr std::u32string_view default_name = U"Quiro";
inline constexpr std::u32string_view default_score = U"1000";

ScoreCells default_score_table();
// The table as the file's six lines give it.
ScoreCells score_table_of(const std::vector<std::u32string>& lines);
// The place (1 to 3) points reach in the table: the first whose score they equal
// or beat; 0 for none.
int record_place(const ScoreCells& table, std::int32_t points);
// The table with name and points at place, the places below it moved down one.
ScoreCells with_record(const ScoreCells& table, int place, const std::u32string& name, std::int32_t points);

#pragma once
#include <cstdint>

// The one-player score after one more guessed word; it stops at the top of its range.
std::int32_t plus_word_points(std::int32_t score);

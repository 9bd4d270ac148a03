#pragma once
#include <optional>
#include <string_view>

// One of the 33 letters of the game: the two characters that type it, and the
// text written into the letter lists.
struct Letter {
    std::u32string_view upper;
    std::u32string_view lower;
};

// The letter typed by character c, if c is one.
std::optional<Letter> find_letter(char32_t c);

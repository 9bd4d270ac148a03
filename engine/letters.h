#pragma once
#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

// One of the 33 letters of the game: the two characters that type it, and the
// text written into the letter lists. Accented vowels, Ñ and Ç are letters of
// their own: "o" does not find "Ó".
struct Letter {
    std::size_t index; // 0 to 32, A first
    std::u32string_view upper;
    std::u32string_view lower;
};

inline constexpr std::size_t letter_count = 33;
using LetterSet = std::bitset<letter_count>;

// The letter typed by character c, if c is one.
std::optional<Letter> find_letter(char32_t c);

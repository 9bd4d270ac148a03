#include "engine/letters.h"

#include <array>

namespace {
constexpr std::array<std::u32string_view, letter_count* 2> cases = {
    U"A", U"a", U"B", U"b", U"C", U"c", U"D", U"d", U"E", U"e", U"F", U"f", U"G", U"g", U"H", U"h", U"I",
    U"i", U"J", U"j", U"K", U"k", U"L", U"l", U"M", U"m", U"N", U"n", U"O", U"o", U"P", U"p", U"Q", U"q",
    U"R", U"r", U"S", U"s", U"T", U"t", U"U", U"u", U"V", U"v", U"W", U"w", U"X", U"x", U"Y", U"y", U"Z",
    U"z", U"Ñ", U"ñ", U"Á", U"á", U"É", U"é", U"Í", U"í", U"Ó", U"ó", U"Ú", U"ú", U"Ç", U"ç",
};

// Every letter is below U+0100, so one table lookup finds it: a long word is
// laid out in one pass over its characters.
constexpr std::array<unsigned char, 256> letter_of_character = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t i = 0; i < cases.size(); ++i)
        table[cases[i].front()] = static_cast<unsigned char>(i / 2 + 1);
    return table;
}();
} // namespace

std::optional<Letter> find_letter(char32_t c)
{
    if (c >= letter_of_character.size() || letter_of_character[c] == 0)
        return std::nullopt;
    const std::size_t index = letter_of_character[c] - 1u;
    return Letter{index, cases[2 * index], cases[2 * index + 1]};
}

#include "letters.h"

#include <array>

namespace {
constexpr std::array<Letter, 33> letters{{
    {U"A", U"a"}, {U"B", U"b"}, {U"C", U"c"}, {U"D", U"d"}, {U"E", U"e"}, {U"F", U"f"},
    {U"G", U"g"}, {U"H", U"h"}, {U"I", U"i"}, {U"J", U"j"}, {U"K", U"k"}, {U"L", U"l"},
    {U"M", U"m"}, {U"N", U"n"}, {U"O", U"o"}, {U"P", U"p"}, {U"Q", U"q"}, {U"R", U"r"},
    {U"S", U"s"}, {U"T", U"t"}, {U"U", U"u"}, {U"V", U"v"}, {U"W", U"w"}, {U"X", U"x"},
    {U"Y", U"y"}, {U"Z", U"z"}, {U"Ñ", U"ñ"}, {U"Á", U"á"}, {U"É", U"é"}, {U"Í", U"í"},
    {U"Ó", U"ó"}, {U"Ú", U"ú"}, {U"Ç", U"ç"},
}};
} // namespace

std::optional<Letter> find_letter(char32_t c)
{
    for (const Letter& letter : letters) {
        if (letter.upper.front() == c || letter.lower.front() == c)
            return letter;
    }
    return std::nullopt;
}

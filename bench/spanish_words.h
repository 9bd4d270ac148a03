#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Words shaped like a Spanish dictionary's, with ñ, ü and accents, the same at
// every call: a stand-in for the lists players copy from other systems. About
// nine bytes a word in UTF-8, as in such lists.
inline std::vector<std::u32string> spanish_like_words(std::size_t count)
{
    static constexpr std::array<std::u32string_view, 32> syllables = {
        U"ca",  U"ción", U"ñu", U"güe", U"ma",  U"lá",  U"pe",  U"ré",  U"to", U"rí", U"mú",
        U"lo",  U"ba",   U"ña", U"de",  U"sa",  U"qui", U"llo", U"rra", U"tí", U"vo", U"zó",
        U"che", U"güi",  U"es", U"tra", U"bre", U"ni",  U"co",  U"pin", U"gu", U"Á"};
    std::vector<std::u32string> words;
    words.reserve(count);
    std::uint32_t state = 1;
    const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    for (std::size_t i = 0; i < count; ++i) {
        std::u32string word;
        for (auto n = 2 + (next() >> 30); n > 0; --n)
            word += syllables[next() >> 27];
        words.push_back(word);
    }
    return words;
}

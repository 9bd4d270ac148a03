#include "text/storable_word.h"

#include <algorithm>

bool storable_word(std::u32string_view word, TextFormat format)
{
    return std::all_of(word.begin(), word.end(),
                       [format](char32_t c) { return c != U'\r' && c != U'\n' && can_store(c, format); });
}

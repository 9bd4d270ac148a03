#include "storable_word.h"

#include <algorithm>

#include "cp1252.h"

bool storable_word(std::u32string_view word) {
    return std::all_of(word.begin(), word.end(), [](char32_t c) {
        return c != U'\r' && c != U'\n' && cp1252_can_store(c);
    });
}

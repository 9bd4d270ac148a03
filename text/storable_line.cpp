#include "text/storable_line.h"

#include <algorithm>

namespace {
bool line_break(char32_t c)
{
    return c == U'\r' || c == U'\n';
}
} // namespace

bool storable_in_line(char32_t c, TextFormat format)
{
    return !line_break(c) && can_store(c, format);
}

bool storable_line(std::u32string_view text, TextFormat format)
{
    return std::all_of(text.begin(), text.end(), [format](char32_t c) { return storable_in_line(c, format); });
}

std::u32string as_storable_line(std::u32string text, TextFormat format)
{
    for (char32_t& c : text) {
        if (!storable_in_line(c, format))
            c = line_break(c) ? U' ' : U'?';
    }
    return text;
}

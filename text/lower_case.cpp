#include "text/lower_case.h"

std::u32string lower_case(std::u32string_view text)
{
    std::u32string lower(text);
    for (char32_t& c : lower) {
        if ((c >= U'A' && c <= U'Z') || (c >= U'À' && c <= U'Þ' && c != U'×'))
            c += 0x20;
    }
    return lower;
}

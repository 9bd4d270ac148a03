#include "board.h"

std::u32string Board::shown_word() const
{
    std::u32string word;
    for (std::size_t i = 1; i < Label2.size(); ++i)
        word += Label2[i];
    return word;
}

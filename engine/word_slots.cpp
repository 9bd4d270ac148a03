#include "word_slots.h"

#include <utility>

WordSlots::WordSlots(std::u32string word) : m_word(std::move(word))
{
    for (char32_t c : m_word) {
        if (const auto letter = find_letter(c))
            m_in_word.set(letter->index);
    }
}

char32_t WordSlots::shown(std::size_t i) const
{
    const char32_t c = m_word.at(i);
    const auto letter = find_letter(c);
    return letter && !m_found.test(letter->index) ? U' ' : c;
}

bool WordSlots::reveal(const Letter& letter)
{
    if (!m_in_word.test(letter.index))
        return false;
    m_found.set(letter.index);
    return true;
}

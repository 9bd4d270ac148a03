#include "engine/word_slots.h"

#include <utility>

WordSlots::WordSlots(std::u32string word) : m_word(std::move(word))
{
    for (char32_t c : m_word) {
        if (const auto letter = find_letter(c))
            m_in_word.set(letter->index);
    }
}

bool WordSlots::found(std::size_t i) const
{
    const auto letter = find_letter(m_word.at(i));
    return !letter || m_found.test(letter->index);
}

bool WordSlots::reveal(const Letter& letter)
{
    if (!m_in_word.test(letter.index))
        return false;
    m_found.set(letter.index);
    return true;
}

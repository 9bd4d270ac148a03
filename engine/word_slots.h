#pragma once
#include <cstddef>
#include <string>

#include "engine/letters.h"

// The word on the board as the players see it: one slot per character, a
// blank until its letter is found. Characters nobody can type (blanks, digits,
// "ü") show from the start, so every word can be won. A key costs the same
// however long the word: only the letters found are kept, not every slot.
class WordSlots {
public:
    WordSlots() = default;
    explicit WordSlots(std::u32string word);

    std::size_t size() const { return m_word.size(); }
    // Whether slot i (0 to size() - 1) shows its character.
    bool found(std::size_t i) const;
    // What slot i shows: its character once found, a blank until then.
    char32_t shown(std::size_t i) const { return found(i) ? m_word.at(i) : U' '; }
    // Reveals every slot of the letter, in its case there; false when the word lacks it.
    bool reveal(const Letter& letter);
    // Every slot shows its character.
    bool complete() const { return (m_in_word & ~m_found).none(); }

private:
    std::u32string m_word;
    LetterSet m_in_word;
    LetterSet m_found;
};

#include <gtest/gtest.h>

#include "spoken_word.h"
#include "word_slots.h"

namespace {

TEST(SpokenWord, GivesTheLengthAndEverySlotShown)
{
    WordSlots slots{U"CoCh 2"};
    EXPECT_EQ(spoken_word(slots, 21), U"Palabra de 6 letras: guion, guion, guion, guion, espacio, 2.");
    slots.reveal(*find_letter(U'c'));
    EXPECT_EQ(spoken_word(slots, 21), U"Palabra de 6 letras: C, guion, C, guion, espacio, 2.");
    EXPECT_EQ(spoken_word(slots, 2), U"Palabra de 6 letras: C, guion, y 4 más.");
    EXPECT_EQ(spoken_word(WordSlots{U"a"}, 21), U"Palabra de 1 letra: guion.");
    EXPECT_EQ(spoken_word(WordSlots{}, 21), U"Palabra de 0 letras.");
}

} // namespace

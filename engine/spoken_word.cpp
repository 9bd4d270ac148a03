#include "engine/spoken_word.h"

#include <algorithm>

#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/game_text.h"
#include "engine/spoken_text.h"
#include "engine/word_slots.h"
#include "text/decimal.h"

std::u32string spoken_character(char32_t c)
{
    switch (c) {
    case U' ':
        return std::u32string{spoken_text::space};
    case U'\r':
        return std::u32string{spoken_text::enter};
    case U'\b':
        return std::u32string{spoken_text::backspace};
    case U'\x1b':
        return std::u32string{spoken_text::escape};
    default:
        break;
    }
    if (c >= 1 && c <= 26)
        return std::u32string{spoken_text::control} + static_cast<char32_t>(U'A' + c - 1);
    return std::u32string(1, c);
}

std::u32string spoken_length(std::size_t count)
{
    return decimal(static_cast<std::int64_t>(count)) +
           std::u32string{count == 1 ? spoken_text::one_letter : spoken_text::letters};
}

std::u32string spoken_word(const WordSlots& slots, std::size_t at_most)
{
    std::u32string said = std::u32string{spoken_text::word} + spoken_length(slots.size());
    const std::size_t told = std::min(slots.size(), at_most);
    for (std::size_t i = 0; i < told; ++i) {
        said += i == 0 ? U": " : U", ";
        const char32_t shown = slots.shown(i);
        said += slots.found(i) ? spoken_character(shown) : std::u32string{spoken_text::blank_slot};
    }
    if (told < slots.size())
        said += std::u32string{spoken_text::more} + decimal(static_cast<std::int64_t>(slots.size() - told)) +
                std::u32string{spoken_text::more_end};
    return said + U".";
}

std::u32string spoken_board_word(const Board& board, std::size_t at_most)
{
    if (!word_in_play(board))
        return std::u32string{spoken_text::no_word} + U" " + std::u32string{spoken_text::how_to_start};
    return spoken_word(board.slots, at_most);
}

std::u32string spoken_letters(std::u32string_view letters)
{
    std::u32string said;
    for (char32_t letter : letters) {
        said += said.empty() ? U"" : U", ";
        said += letter;
    }
    return said.empty() ? std::u32string{spoken_text::no_letters} : said + U".";
}

std::u32string spoken_tries(int tries)
{
    if (tries == 0)
        return std::u32string{spoken_text::lost};
    if (tries == 1)
        return std::u32string{spoken_text::last_try};
    return std::u32string{spoken_text::tries_left} + decimal(tries) + std::u32string{spoken_text::tries};
}

std::u32string spoken_misses(const Board& board)
{
    if (!word_in_play(board))
        return board.misses_text;
    const auto misses = std::count(board.pieces.begin(), board.pieces.end(), true);
    return board.misses_text + U". " + spoken_tries(GameState::most_misses - static_cast<int>(misses));
}

std::u32string spoken_turn(const Board& board)
{
    return board.turn_text.empty() ? std::u32string{} : std::u32string{spoken_text::turn} + board.turn_text;
}

std::u32string_view spoken_title(std::u32string_view title)
{
    if (title == game_text::program_title)
        return spoken_text::program_title;
    if (title == game_text::lost_title)
        return spoken_text::lost_title;
    if (title == game_text::winner_title)
        return spoken_text::winner_title;
    return title;
}

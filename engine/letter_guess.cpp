#include "game.h"
#include "game_messages.h"
#include "prompts.h"

void Game::type_character(char32_t c)
{
    // After a lost word next_picture is -1: a further miss would ask for a piece
    // that does not exist.
    if (!m_state.guessing_on)
        return;
    if (auto letter = find_letter(c)) {
        if (guess_letter(*letter) == Guess::stop)
            return;
    }
    if (!m_state.guessing_on)
        check_for_record();
    check_word();
}

// A letter tried before, right or wrong, changes nothing and keeps the turn.
Game::Guess Game::guess_letter(const Letter& letter)
{
    const char32_t lower = letter.lower.front();
    if (m_board.slots.reveal(letter)) {
        if (m_board.right_letters.find(lower) != std::u32string::npos)
            return Guess::stop;
        notify(BoardPart::slots);
        m_board.right_letters += lower;
        notify(BoardPart::right_letters);
        return Guess::go_on;
    }
    if (m_board.wrong_letters.find(lower) != std::u32string::npos)
        return Guess::stop;
    miss(letter);
    return Guess::go_on;
}

// Each miss shows the next piece of the figure; the ninth, piece 0, loses the word.
void Game::miss(const Letter& letter)
{
    m_board.pieces.at(static_cast<std::size_t>(m_state.next_picture)) = true;
    notify(BoardPart::pieces);
    --m_state.next_picture;
    if (m_state.next_picture == -1) {
        m_services.prompts.message(std::u32string{game_text::lost} + m_state.hidden_word, game_text::lost_title,
                                   MessageStyle::information);
        m_state.guessing_on = false;
    }
    // Listed after the box, also for the ninth miss.
    m_board.wrong_letters += letter.lower.front();
    notify(BoardPart::wrong_letters);
}

#include "engine/game.h"
#include "engine/game_messages.h"
#include "engine/spoken_texts.h"
#include "engine/spoken_word.h"
#include "platform/prompts.h"
#include "text/decimal.h"

void Game::type_character(char32_t c)
{
    // After a lost word next_picture is -1: a further miss would ask for a piece
    // that does not exist.
    if (!m_state.guessing_on)
        return;
    const Announcement announcement{*this};
    guess_character(c);
}

void Game::guess_character(char32_t c)
{
    if (auto letter = find_letter(c)) {
        if (guess_letter(*letter) == Guess::stop)
            return;
    } else {
        say(spoken_character(c) + std::u32string{spoken_text::no_letter});
    }
    if (!m_state.guessing_on)
        check_for_record();
    check_word();
}

// A letter tried before, right or wrong, changes nothing and keeps the turn.
Game::Guess Game::guess_letter(const Letter& letter)
{
    const char32_t lower = letter.lower.front();
    const bool hit = m_board.slots.reveal(letter);
    const std::u32string& tried = hit ? m_board.right_letters : m_board.wrong_letters;
    if (tried.find(lower) != std::u32string::npos) {
        say(std::u32string{letter.lower} + std::u32string{spoken_text::tried_before});
        return Guess::stop;
    }
    if (!hit) {
        miss(letter);
        return Guess::go_on;
    }
    say(std::u32string{spoken_text::hit} + std::u32string{letter.lower} + U".");
    notify(BoardPart::slots);
    m_board.right_letters += lower;
    notify(BoardPart::right_letters);
    return Guess::go_on;
}

// Each miss shows the next piece of the figure; the ninth, piece 0, loses the word.
void Game::miss(const Letter& letter)
{
    m_board.pieces.at(static_cast<std::size_t>(m_state.next_picture)) = true;
    notify(BoardPart::pieces);
    --m_state.next_picture;
    const int tries = m_state.next_picture + 1;
    say(std::u32string{spoken_text::miss} + std::u32string{letter.lower} + U". " +
        (tries == 0   ? std::u32string{spoken_text::lost}
         : tries == 1 ? std::u32string{spoken_text::last_try}
                      : std::u32string{spoken_text::tries_left} + decimal(tries) + std::u32string{spoken_text::tries}));
    if (m_state.next_picture == -1) {
        m_services.prompts.message(std::u32string{game_text::lost} + m_state.hidden_word, game_text::lost_title,
                                   MessageStyle::information);
        m_state.guessing_on = false;
    }
    // Listed after the box, also for the ninth miss.
    m_board.wrong_letters += letter.lower.front();
    notify(BoardPart::wrong_letters);
}

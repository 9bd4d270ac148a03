#include "engine/game.h"
#include "engine/game_text.h"
#include "engine/prompts.h"
#include "engine/spoken_text.h"
#include "engine/spoken_word.h"
#include "text/lower_case.h"

void Game::type_character(char32_t c)
{
    // After a lost word all nine pieces show: a further miss has none to show.
    if (!m_state.guessing_on) {
        m_services.view.announce(spoken_text::how_to_start);
        return;
    }
    const Announcement announcement{*this};
    guess_character(c);
}

void Game::guess_character(char32_t c)
{
    Guess guess = Guess::go_on;
    if (auto letter = find_letter(c))
        guess = guess_letter(*letter);
    else
        say(spoken_character(c) + std::u32string{spoken_text::no_letter});
    if (guess == Guess::tried_before)
        return;
    if (guess == Guess::word_lost)
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
        return Guess::tried_before;
    }
    if (!hit)
        return miss(letter);
    say(std::u32string{spoken_text::hit} + std::u32string{letter.lower} + U".");
    notify(BoardPart::slots);
    m_board.right_letters += lower;
    notify(BoardPart::right_letters);
    return Guess::go_on;
}

// Each miss shows the next piece of the figure; the ninth loses the word.
Game::Guess Game::miss(const Letter& letter)
{
    ++m_state.misses;
    m_board.pieces.at(piece_of_miss(m_state.misses)) = true;
    notify(BoardPart::pieces);
    const int tries = GameState::most_misses - m_state.misses;
    say(std::u32string{spoken_text::miss} + std::u32string{letter.lower} + U". " + spoken_tries(tries));
    const bool lost = tries == 0;
    if (lost) {
        m_services.prompts.spoken_message(
            std::u32string{game_text::lost} + m_state.hidden_word, game_text::lost_title, MessageStyle::information,
            std::u32string{spoken_text::lost_box} + lower_case(m_state.hidden_word), spoken_text::lost_title);
        set_guessing(false);
    }
    // Listed after the box, also for the ninth miss.
    m_board.wrong_letters += letter.lower.front();
    notify(BoardPart::wrong_letters);
    return lost ? Guess::word_lost : Guess::go_on;
}

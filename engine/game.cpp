#include "engine/game.h"

#include "engine/spoken_text.h"
#include "engine/spoken_word.h"

Game::Game(GameServices services) : m_services(services) {}

void Game::box(std::u32string_view text, std::u32string_view title, MessageStyle style)
{
    m_services.prompts.spoken_message(text, title, style, text, spoken_title(title));
}

// The word control says whether a word is in play.
void Game::set_guessing(bool on)
{
    m_state.guessing_on = on;
    m_board.word_ended = !on;
    notify(BoardPart::slots);
}

void Game::set_counts(std::u32string hits, std::u32string misses)
{
    m_board.hits_text = std::move(hits);
    m_board.misses_text = std::move(misses);
    notify(BoardPart::status_texts);
}

void Game::set_turn(std::u32string_view player)
{
    m_board.turn_text = player;
    m_turn_passed = !player.empty();
    notify(BoardPart::status_texts);
}

void Game::show_points(bool shown)
{
    m_board.points_shown = shown;
    notify(BoardPart::points);
}

void Game::notify(BoardPart part)
{
    m_services.view.changed(m_board, part);
}

void Game::say(std::u32string part)
{
    if (!m_said.empty())
        m_said += U' ';
    m_said += part;
}

// The new word and the turn are said last, once, however often a command laid
// out a word or passed the turn on the way.
void Game::announce()
{
    if (m_word_is_new)
        say(std::u32string{spoken_text::new_word} + spoken_length(m_board.slots.size()) + U".");
    if (m_turn_passed)
        say(std::u32string{spoken_text::turn} + m_board.turn_text + U".");
    if (!m_said.empty())
        m_services.view.announce(m_said);
    m_said.clear();
    m_word_is_new = m_turn_passed = false;
}

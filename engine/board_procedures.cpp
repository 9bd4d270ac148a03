#include "deferred_game.h"
#include "game.h"
#include "game_messages.h"
#include "letters.h"
#include "prompts.h"
#include "word_file.h"

std::optional<std::u32string> Game::draw_word(bool until_word)
{
    DrawnWord drawn;
    do {
        drawn = m_services.words.draw();
        m_state.word_count = drawn.word_count;
    } while (until_word && drawn.file_has_words && drawn.word.empty());
    if (!drawn.file_has_words) {
        // Drawing again could never find a word.
        m_services.prompts.message(game_text::no_words, game_text::program_title, MessageStyle::critical);
        return std::nullopt;
    }
    return std::move(drawn.word);
}

void Game::play_computer_word(std::u32string word)
{
    reset_counts();
    start_word(std::move(word));
    if (m_state.hidden_word.empty())
        m_services.deferred.request_one_player_game();
}

void Game::play_twice(std::u32string first)
{
    // Only the second word stays on the board, but each empty draw asks for a new game.
    play_computer_word(std::move(first));
    if (std::optional<std::u32string> second = draw_word(/*until_word=*/false))
        play_computer_word(std::move(*second));
}

void Game::reset_board()
{
    m_state.letter_found = false;
    m_state.next_picture = 8;
    m_state.guessing_on = true;
    m_board.List1.clear();
    notify(BoardPart::List1);
    m_board.List2.clear();
    notify(BoardPart::List2);
    m_board.Image9.fill(false);
    notify(BoardPart::Image9);
    m_board.Label1.resize(1);
    m_board.Label2.resize(1);
    notify(BoardPart::letters);
}

void Game::lay_out_word(const std::u32string& word)
{
    for (char32_t c : word) {
        m_board.Label1.emplace_back(1, c);
        // Only letters can be typed; anything else stands revealed from the start,
        // so that every word can be won.
        m_board.Label2.emplace_back(find_letter(c) ? std::u32string{U" "} : std::u32string(1, c));
    }
    notify(BoardPart::letters);
}

void Game::start_word(std::u32string word)
{
    reset_board();
    m_state.hidden_word = std::move(word);
    lay_out_word(m_state.hidden_word);
}

void Game::reset_counts()
{
    set_panel(5, std::u32string{game_text::hits_in_play} + U"0");
    set_panel(6, std::u32string{game_text::failures} + U"0");
}

#include "engine/deferred_game.h"
#include "engine/game.h"
#include "engine/game_text.h"
#include "platform/prompts.h"
#include "words/word_file.h"

std::optional<std::u32string> Game::draw_word(bool until_word)
{
    DrawnWord drawn;
    do {
        drawn = m_services.words.draw();
        m_state.word_count = drawn.word_count;
    } while (until_word && drawn.file_has_words && drawn.word.empty());
    if (!drawn.file_has_words) {
        // Drawing again could never find a word.
        box(game_text::no_words, game_text::program_title, MessageStyle::critical);
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
    m_state.misses = 0;
    set_guessing(true);
    m_board.right_letters.clear();
    notify(BoardPart::right_letters);
    m_board.wrong_letters.clear();
    notify(BoardPart::wrong_letters);
    m_board.pieces.fill(false);
    notify(BoardPart::pieces);
}

void Game::start_word(std::u32string word)
{
    reset_board();
    m_state.hidden_word = std::move(word);
    m_board.slots = WordSlots{m_state.hidden_word};
    m_word_is_new = true;
    notify(BoardPart::slots);
}

void Game::reset_counts()
{
    set_counts(std::u32string{game_text::hits_in_play} + U"0", std::u32string{game_text::failures} + U"0");
}

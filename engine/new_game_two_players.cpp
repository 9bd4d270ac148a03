#include "engine/game.h"
#include "engine/game_text.h"
#include "platform/prompts.h"

std::optional<std::u32string> Game::ask_word(std::u32string_view setter)
{
    std::u32string word = m_services.prompts.input(game_text::word_prompt, setter, U"");
    if (word.empty())
        return std::nullopt;
    if (word.size() >= 22) {
        m_services.prompts.error(game_text::word_too_long);
        return std::nullopt;
    }
    return word;
}

void Game::new_two_player_game()
{
    const Announcement announcement{*this};
    // The score display goes, and the roles swap, even when no word is given: the
    // other player is asked next time. The game on screen keeps its own mode.
    show_points(false);
    const bool first_sets = m_state.last_setter == PairPlayer::player2;
    m_state.last_setter = first_sets ? PairPlayer::player1 : PairPlayer::player2;
    const std::u32string_view setter = first_sets ? game_text::player1 : game_text::player2;
    const std::u32string_view guesser = first_sets ? game_text::player2 : game_text::player1;
    std::optional<std::u32string> word = ask_word(setter);
    if (!word)
        return;
    m_state.pair_turn = PairPlayer::nobody;
    m_state.multi_mode = false;
    set_turn(guesser);
    reset_counts();
    start_word(std::move(*word));
}
